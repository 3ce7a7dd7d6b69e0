#include "ListViews.h"

#include <QCollator>
#include <QColor>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLocale>
#include <QPalette>
#include <QStyle>
#include <QStyledItemDelegate>
#include <algorithm>

#include "DialogParts.h"

namespace natarix {

namespace {

// Rows as tall as the glyphs really reach: with some fonts the dots of Ä, Ö
// and Ü stand above the font's ascent, and the default row height, which is
// the font's height, cuts them off.
int RowHeight(const QFont& font)
{
    const QFontMetrics metrics(font);
    // Relative to the baseline: top < 0 above it, bottom > 0 below it.
    const QRect ink = metrics.tightBoundingRect(QStringLiteral("ÄÖÜÅÉÂgjpqy|"));
    const int overshoot = std::max({0, -ink.top() - metrics.ascent(), ink.bottom() - metrics.descent()});
    // The text is centred, so what stands out on one side is added on both.
    const int padding = std::max(2, metrics.height() / 6);
    return metrics.height() + 2 * overshoot + 2 * padding;
}

class RowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(size.height(), RowHeight(option.font)));
        return size;
    }

protected:
    // A red row would turn to the selection's colours; selected, it is shown
    // white on dark red instead, so that the mark stays in sight.
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!index.data(Qt::ForegroundRole).isValid())
            return;
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            option->palette.setColor(group, QPalette::Highlight, QColor(0xa0, 0, 0));
            option->palette.setColor(group, QPalette::HighlightedText, QColor(Qt::white));
        }
    }
};

// The column widths were chosen for a font whose average character is 6
// pixels wide; they grow with the font in use.
int ScaledWidth(const QWidget& list, int width)
{
    return HorizontalUnits(list, width * 2) / 3;
}

}  // namespace

QTreeWidget* MakeListView(QWidget& parent, const char* objectName, std::initializer_list<ListColumn> columns)
{
    auto* list = new QTreeWidget(&parent);
    list->setObjectName(QString::fromLatin1(objectName));
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSortingEnabled(false);
    list->setItemDelegate(new RowDelegate(list));

    QPalette palette = list->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    list->setPalette(palette);

    QStringList headings;
    for (const ListColumn& column : columns)
        headings << QString::fromUtf8(column.heading);
    list->setHeaderLabels(headings);
    QHeaderView* header = list->header();
    header->setSectionsMovable(false);
    header->setSectionsClickable(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setStretchLastSection(true);
    int index = 0;
    for (const ListColumn& column : columns) {
        // A heading is never cut off.
        list->setColumnWidth(index, std::max(ScaledWidth(*list, column.width), header->sectionSizeHint(index)));
        ++index;
    }
    return list;
}

int ListWidthForColumns(const QTreeWidget& list)
{
    int columns = 0;
    for (int index = 0; index < list.columnCount(); ++index)
        columns += list.columnWidth(index);
    const int scrollBar = list.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &list);
    return columns + scrollBar + 2 * list.frameWidth();
}

int ListHeightForRows(const QTreeWidget& list, int rows)
{
    return list.header()->sizeHint().height() + rows * RowHeight(list.font()) + 2 * list.frameWidth();
}

void FillList(QTreeWidget& list, std::vector<ListRow> rows, RowOrder order)
{
    if (order == RowOrder::ByFirstColumn) {
        QCollator collator(QLocale(QLocale::German, QLocale::Germany));
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        std::stable_sort(rows.begin(), rows.end(), [&collator](const ListRow& a, const ListRow& b) {
            return collator.compare(a.texts.value(0), b.texts.value(0)) < 0;
        });
    }
    list.clear();
    QList<QTreeWidgetItem*> items;
    for (const ListRow& row : rows) {
        auto* item = new QTreeWidgetItem(row.texts);
        item->setData(0, Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(row.object)));
        if (!row.warning.isEmpty()) {
            for (int column = 0; column < row.texts.size(); ++column) {
                item->setForeground(column, QColor(Qt::red));
                item->setToolTip(column, row.warning);
            }
        }
        items << item;
    }
    list.addTopLevelItems(items);
    // Spanning is a property of the view's rows, so it is set once they are in.
    for (std::size_t index = 0; index < rows.size(); ++index)
        if (rows[index].spanned)
            items[static_cast<qsizetype>(index)]->setFirstColumnSpanned(true);
}

void SelectFirstRow(QTreeWidget& list)
{
    if (list.topLevelItemCount() > 0)
        list.setCurrentItem(list.topLevelItem(0));
}

}  // namespace natarix
