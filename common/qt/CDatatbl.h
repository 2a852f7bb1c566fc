#pragma once
// The data table: a grid of numbers over QTableWidget, with the operations the program needs of
// it: column count, a column's caption, width and number format, put and get a cell's value,
// and commit a pending edit. Cells take numbers only: text that is not a number is refused with
// a message and the cell keeps its former value.

#include <QString>
#include <QTableWidget>
#include <functional>
#include <optional>

namespace zelvo::qt {

class CDatatbl : public QTableWidget {
  Q_OBJECT
 public:
  explicit CDatatbl(QWidget* parent = nullptr);

  void SetColumnCount(int columns);
  void SetRowCount(int rows);
  void SetColumnCaption(int column, const QString& caption);
  // Width in dialog units: about a quarter of the average character width each.
  void SetColumnWidthUnits(int column, int units);
  // Number format of a column: "0.00" shows two decimals, "0" none.
  void SetNumberFormat(int column, const QString& format);
  void SetReadOnly(bool readOnly);

  void SetValue(int row, int column, double value);
  // The cell's number; nullopt for an empty cell or one that does not hold a number.
  std::optional<double> Value(int row, int column) const;
  // Ends the edit in progress so that its text reaches the cell.
  void CommitPendingEdit();

  // A cell text as a number: optional blanks around a decimal number in C notation (point as
  // decimal separator, optional exponent). Anything else is not a number.
  static std::optional<double> ParseNumber(const QString& text);

  QString FormatValue(int column, double value) const;

  // What a cell accepts; ParseNumber unless a program sets its own rule.
  using Parser = std::function<std::optional<double>(const QString&)>;
  void SetParser(Parser parser) { parser_ = std::move(parser); }

 signals:
  // A typed text that is not a number; the table has restored the former value.
  void NotANumber(int row, int column, const QString& text);

 private:
  void OnItemChanged(QTableWidgetItem* item);

  std::vector<int> decimals_;
  Parser parser_ = &CDatatbl::ParseNumber;
  bool settingValue_ = false;
};

}  // namespace zelvo::qt
