#pragma once

#include <QString>
#include <QStringList>
#include <QTreeWidget>
#include <QVariant>
#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "gui/ModelText.h"

namespace natarix {

struct ListColumn {
    const char* heading;
    int width;  // in pixels at the 8 pt dialog font the layout was drawn for
};

// A report-style list: one selectable row at a time, whole rows selected, the
// selection visible without the focus, rows tall enough for the dots of
// capital umlauts, not editable and not sortable by its header.
QTreeWidget* MakeListView(QWidget& parent, const char* objectName, std::initializer_list<ListColumn> columns);

// The narrowest width that shows every column without a horizontal scroll bar,
// also while the vertical one is shown.
int ListWidthForColumns(const QTreeWidget& list);

// The height that shows the heading and that many rows.
int ListHeightForRows(const QTreeWidget& list, int rows);

// One row with the model object it shows. A row with a text in its first
// column only may let that text run across the whole row.
struct ListRow {
    QStringList texts;
    const void* object;
    bool spanned = false;
    QString warning;  // non-empty: the row is shown in red, with this as its tooltip
};

template <std::size_t N>
ListRow MakeListRow(const std::array<std::string, N>& texts, const void* object)
{
    ListRow row{{}, object, false, {}};
    for (const std::string& text : texts)
        row.texts << ToQString(text);
    return row;
}

enum class RowOrder {
    AsGiven,
    ByFirstColumn,  // ascending, case-insensitive, as German is sorted; ties keep their order
};

// Replaces every row. Selects nothing.
void FillList(QTreeWidget& list, std::vector<ListRow> rows, RowOrder order);

// Selects the first row, if there is one; the list reports the selection.
void SelectFirstRow(QTreeWidget& list);

// The model object a row shows.
template <typename T>
T* RowObject(const QTreeWidgetItem& item)
{
    return static_cast<T*>(reinterpret_cast<void*>(item.data(0, Qt::UserRole).value<quintptr>()));
}

}  // namespace natarix
