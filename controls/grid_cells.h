#pragma once

#include <QCache>
#include <QFont>
#include <QStaticText>
#include <QString>
#include <QStyledItemDelegate>

namespace controls {

/// Paints a data grid's cells as a plain data grid does: the cell's background (the model's
/// BackgroundRole), the selected cell in the highlight colours, the current cell's focus frame
/// while the grid has the focus, and one line of plain text (DisplayRole) kept kTextMargin
/// pixels from the cell's lines, aligned to the reading order's start and vertically centred, cut
/// short with "…" at its end when the column is too narrow for it.
///
/// The laid-out texts of the cells painted lately are kept, so that a grid painting the same
/// values again (every repaint of a page of rows) does not lay them out again.
class GridCellDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int kTextMargin = 2;

    explicit GridCellDelegate(QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    /// The laid-out text for a cell `width` pixels wide between its margins: the text itself, or
    /// the text cut short when it is wider.
    const QStaticText& laidOut(const QString& text, int width, const QFont& font,
                               Qt::LayoutDirection direction) const;

    /// Texts as they are painted, by the text; texts cut short, by the width and the text.
    mutable QCache<QString, QStaticText> m_texts;
    mutable QCache<QString, QStaticText> m_cutTexts;
    mutable QFont m_font;
    mutable Qt::LayoutDirection m_direction = Qt::LayoutDirectionAuto;
};

} // namespace controls
