#pragma once
// File dialog filters written as "Data Files (*.*)|*.*|All Files (*.*)|*.*||": pairs of a
// description and a pattern list separated by "|", ended by "||".

#include <QStringList>
#include <string>

namespace zelvo::qt {

// The Qt name filters of such a string, one per pair: "Data Files (*)". "*.*" stands for every
// file, so it becomes "*" (on Linux "*.*" would hide files without a dot, such as dataset_1).
// A pattern list of several patterns ("*.csv;*.txt") becomes "*.csv *.txt". A description that
// does not end in its pattern gets it appended in parentheses. Empty input: {"All Files (*)"}.
QStringList NameFiltersFromFilter(const std::string& filter);

}  // namespace zelvo::qt
