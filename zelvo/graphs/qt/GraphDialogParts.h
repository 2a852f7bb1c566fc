#pragma once
// Widgets that the flow graph and the index graph windows build alike.

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
#include <string>
#include <vector>

namespace zelvo::qt {

// The curve list at the top of a graph window's controls: its label, then the list of the
// window's entries in single or multiple selection.
inline QListWidget* AddCurveList(QVBoxLayout* controls, const std::string& label, bool multiple,
                                 const std::vector<std::string>& entries, int maximumHeight) {
  controls->addWidget(new QLabel(QString::fromStdString(label)));
  auto* list = new QListWidget;
  list->setSelectionMode(multiple ? QAbstractItemView::MultiSelection : QAbstractItemView::SingleSelection);
  for (const std::string& e : entries) list->addItem(QString::fromStdString(e));
  list->setMaximumHeight(maximumHeight);
  controls->addWidget(list);
  return list;
}

}  // namespace zelvo::qt
