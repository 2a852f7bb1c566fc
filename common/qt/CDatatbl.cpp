#include "common/qt/CDatatbl.h"

#include <QAbstractItemDelegate>
#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <cctype>
#include <cmath>
#include <cstdlib>

#include "common/io/ClassicNumbers.h"
#include "common/qt/FieldText.h"

namespace zelvo::qt {
namespace {
// A cell keeps its full value beside the text it shows, so a cell that is not edited is read
// back exactly and not rounded to the shown decimals.
constexpr int kCellValue = Qt::UserRole + 1;

// A cell's editor lets only a number be typed: digits, a sign and a decimal point.
class NumberDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) line->setValidator(DecimalValidator(line));
    return editor;
  }
};
}  // namespace

CDatatbl::CDatatbl(QWidget* parent) : QTableWidget(parent) {
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::AnyKeyPressed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  setItemDelegate(new NumberDelegate(this));
  connect(this, &QTableWidget::itemChanged, this, &CDatatbl::OnItemChanged);
}

void CDatatbl::SetColumnCount(int columns) {
  setColumnCount(columns);
  decimals_.resize(static_cast<std::size_t>(std::max(columns, 0)), 2);
}

void CDatatbl::SetRowCount(int rows) { setRowCount(rows); }

void CDatatbl::SetColumnCaption(int column, const QString& caption) {
  QTableWidgetItem* header = horizontalHeaderItem(column);
  if (!header) {
    header = new QTableWidgetItem;
    setHorizontalHeaderItem(column, header);
  }
  header->setText(caption);
}

void CDatatbl::SetColumnWidthUnits(int column, int units) {
  setColumnWidth(column, std::max(units * fontMetrics().averageCharWidth() / 4 + 12,
                                  fontMetrics().horizontalAdvance(QStringLiteral("999999.00")) + 12));
}

void CDatatbl::SetNumberFormat(int column, const QString& format) {
  if (column < 0 || column >= static_cast<int>(decimals_.size())) return;
  const int point = static_cast<int>(format.indexOf('.'));
  decimals_[static_cast<std::size_t>(column)] = point < 0 ? 0 : static_cast<int>(format.size()) - point - 1;
}

void CDatatbl::SetReadOnly(bool readOnly) {
  setEditTriggers(readOnly ? QAbstractItemView::NoEditTriggers
                           : QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                 QAbstractItemView::AnyKeyPressed);
}

QString CDatatbl::FormatValue(int column, double value) const {
  const int decimals = column >= 0 && column < static_cast<int>(decimals_.size())
                           ? decimals_[static_cast<std::size_t>(column)]
                           : 2;
  return QString::number(value, 'f', decimals);
}

void CDatatbl::SetValue(int row, int column, double value) {
  settingValue_ = true;
  QTableWidgetItem* cell = item(row, column);
  if (!cell) {
    cell = new QTableWidgetItem;
    cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setItem(row, column, cell);
  }
  cell->setData(kCellValue, value);
  cell->setText(FormatValue(column, value));
  settingValue_ = false;
}

std::optional<double> CDatatbl::Value(int row, int column) const {
  const QTableWidgetItem* cell = item(row, column);
  if (!cell) return std::nullopt;
  const QVariant stored = cell->data(kCellValue);
  if (stored.isValid()) return stored.toDouble();
  return parser_(cell->text());
}

void CDatatbl::CommitPendingEdit() {
  if (state() != QAbstractItemView::EditingState) return;
  if (QWidget* editor = indexWidget(currentIndex())) {
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
  }
}

std::optional<double> CDatatbl::ParseNumber(const QString& text) {
  const QByteArray bytes = text.trimmed().toLatin1();
  if (bytes.isEmpty()) return std::nullopt;
  for (char ch : bytes)
    if (!(std::isdigit(static_cast<unsigned char>(ch)) || ch == '.' || ch == '-' || ch == '+' || ch == 'e' ||
          ch == 'E'))
      return std::nullopt;  // no hex, inf, nan or locale forms
  char* end = nullptr;
  const ClassicNumbers classic;  // a typed "12.5" is 12.5 on any desktop
  const double value = std::strtod(bytes.constData(), &end);
  if (end != bytes.constData() + bytes.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

void CDatatbl::OnItemChanged(QTableWidgetItem* cell) {
  if (settingValue_ || !cell) return;
  const QString typed = cell->text();
  const std::optional<double> value = parser_(typed);
  if (!value) {
    settingValue_ = true;
    const QVariant stored = cell->data(kCellValue);
    cell->setText(stored.isValid() ? FormatValue(cell->column(), stored.toDouble()) : QString());
    settingValue_ = false;
    emit NotANumber(cell->row(), cell->column(), typed);
    return;
  }
  // Show the typed number in the column's format.
  SetValue(cell->row(), cell->column(), *value);
}

}  // namespace zelvo::qt
