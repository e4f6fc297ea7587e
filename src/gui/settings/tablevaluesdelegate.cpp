#include "settings/tablevaluesdelegate.h"

#include "blocks/customtablemodel.h"
#include "processing/previewtablemodel.h"
#include "settings/settingskeys.h"

#include <QDoubleSpinBox>
#include <QPainter>

#include <climits>

namespace {

constexpr int Wgs84ValueRole = CustomTableModel::Wgs84ValueRole;
constexpr int DecimalsRole = CustomTableModel::DecimalsRole;
static_assert(int(PreviewTableModel::Wgs84ValueRole) == Wgs84ValueRole &&
                  int(PreviewTableModel::DecimalsRole) == DecimalsRole,
              "both tables hand the delegate their numbers in the same roles");

constexpr int DefaultDecimals = 3;
constexpr double EditorLimit = 21474836;
const char *const LoadedValueProperty = "loadedValue";

bool isNumber(const QVariant &value)
{
    switch (value.userType()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

int decimalsOf(const QModelIndex &index)
{
    bool ok = false;
    const int decimals = index.data(DecimalsRole).toInt(&ok);
    return ok && decimals >= 0 ? decimals : DefaultDecimals;
}

} // namespace

TableValuesDelegate::TableValuesDelegate(QObject *parent) : QItemDelegate(parent) {}

void TableValuesDelegate::readSettings() const
{
    if (m_settingsFresh)
        return;
    m_wgs84 = Keys::CoordinateType.read(m_settings) == Keys::CoordinateTypeWgs84;
    m_localFormat = Keys::MetaNumberFormat.read(m_settings) == 1;
    m_settingsFresh = true;
    // Valid until control returns to the event loop, where the dialogs change them.
    QMetaObject::invokeMethod(
        const_cast<TableValuesDelegate *>(this), [this] { m_settingsFresh = false; },
        Qt::QueuedConnection);
}

QVariant TableValuesDelegate::shownValue(const QModelIndex &index) const
{
    readSettings();
    return index.data(m_wgs84 ? Wgs84ValueRole : int(Qt::DisplayRole));
}

QString TableValuesDelegate::displayText(const QModelIndex &index) const
{
    const QVariant value = shownValue(index);
    // A column without a field stays empty and a date stays text: neither may read as 0.000.
    if (!isNumber(value))
        return value.toString();
    const int decimals = decimalsOf(index);
    return (m_localFormat ? QStringLiteral("%L1") : QStringLiteral("%1"))
        .arg(value.toDouble(), 0, 'f', decimals);
}

void TableValuesDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                const QModelIndex &index) const
{
    QStyleOptionViewItem opt = setOptions(index, option);
    opt.displayAlignment = Qt::AlignCenter;
    painter->save();
    drawBackground(painter, opt, index);
    drawDisplay(painter, opt, opt.rect, displayText(index));
    drawFocus(painter, opt, opt.rect);
    painter->restore();
}

QSize TableValuesDelegate::sizeHint(const QStyleOptionViewItem &option,
                                    const QModelIndex &index) const
{
    const QVariant own = index.data(Qt::SizeHintRole);
    if (own.isValid())
        return own.toSize();
    const int column = index.column();
    const bool stored = column >= 0 && column < int(m_columnSizes.size());
    const QString text = displayText(index);
    if (text.isEmpty())
        return stored ? m_columnSizes[size_t(column)] : QSize();

    const QStyleOptionViewItem opt = setOptions(index, option);
    const bool wrap = (opt.features & QStyleOptionViewItem::WrapText) && opt.rect.isValid();
    const QRect bounds(0, 0, wrap ? opt.rect.width() : INT_MAX / 256, 0);
    QRect textRect = textRectangle(nullptr, bounds, opt.font, text);
    QRect checkRect = rect(opt, index, Qt::CheckStateRole);
    QRect decorationRect = rect(opt, index, Qt::DecorationRole);
    doLayout(opt, &checkRect, &decorationRect, &textRect, true);
    const QSize size = (checkRect | decorationRect | textRect).size();
    if (stored)
        m_columnSizes[size_t(column)] = size;
    return size;
}

QWidget *TableValuesDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                           const QModelIndex &index) const
{
    // A date (or any text) in an edited column keeps the plain text editor: a spin box would
    // turn it into a number.
    if (!isNumber(shownValue(index)))
        return QItemDelegate::createEditor(parent, option, index);
    auto *editor = new QDoubleSpinBox(parent);
    editor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    editor->setRange(-EditorLimit, EditorLimit);
    // Never fewer decimals than the cell shows: a latitude cut to the editor's 3 decimals would
    // move the point by up to a hundred metres.
    editor->setDecimals(qMax(Keys::MetaPrecision.read(m_settings), decimalsOf(index)));
    return editor;
}

void TableValuesDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *spinBox = qobject_cast<QDoubleSpinBox *>(editor);
    if (!spinBox) {
        QItemDelegate::setEditorData(editor, index);
        return;
    }
    spinBox->setValue(shownValue(index).toDouble());
    spinBox->setProperty(LoadedValueProperty, spinBox->value());
}

void TableValuesDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                       const QModelIndex &index) const
{
    auto *spinBox = qobject_cast<QDoubleSpinBox *>(editor);
    if (!spinBox) {
        QItemDelegate::setModelData(editor, model, index);
        return;
    }
    spinBox->interpretText();
    // An editor left without a change would write back the value rounded to its decimals.
    if (spinBox->value() == spinBox->property(LoadedValueProperty).toDouble())
        return;
    model->setData(index, spinBox->value(), Qt::EditRole);
}
