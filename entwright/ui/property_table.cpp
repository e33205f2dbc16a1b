#include "entwright/ui/property_table.h"

#include "entwright/core/typed_text.h"
#include "entwright/ui/entity_list_model.h"

#include <QEvent>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <limits>

namespace {

QByteArray bytesOf(const std::string& text)
{
    return QByteArray::fromStdString(text);
}

void setSwatch(QPushButton* button, const std::optional<std::array<int, 3>>& rgb)
{
    if (!rgb) {
        button->setStyleSheet({});
        return;
    }
    button->setStyleSheet(QStringLiteral("background-color: rgb(%1, %2, %3);")
                              .arg((*rgb)[0])
                              .arg((*rgb)[1])
                              .arg((*rgb)[2]));
}

} // namespace

PropertyTable::PropertyTable(QWidget* parent) : QTableWidget(parent)
{
    setObjectName(QStringLiteral("tblProperties"));
    setAccessibleName(tr("Entity properties"));
    setColumnCount(2);
    setHorizontalHeaderLabels({tr("Property"), tr("Value")});
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->setVisible(false);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
}

void PropertyTable::clearEntity()
{
    rows_.clear();
    setRowCount(0);
}

void PropertyTable::showEntity(const ent::GameData& gameData, const ent::EntityRecord& record)
{
    setUpdatesEnabled(false);
    const ent::FgdClass* cls = ent::ClassForRecord(gameData, record);
    rows_ = ent::PropertyRows(gameData, cls, record);
    setRowCount(0);
    setRowCount(static_cast<int>(rows_.size()));
    for (int row = 0; row < rowCount(); ++row) {
        const ent::PropertyRow& property = rows_[static_cast<std::size_t>(row)];
        const ent::FgdKey* key = property.definition;
        QString name = displayText(property.key);
        if (key && !key->displayName.empty())
            name = displayText(key->displayName);
        auto* item = new QTableWidgetItem(name);
        QString tip = displayText(property.key);
        if (key && !key->description.empty())
            tip += QStringLiteral("\n") + displayText(key->description);
        if (key && key->defaultValue)
            tip += QStringLiteral("\n") + tr("Default: %1").arg(displayText(*key->defaultValue));
        item->setToolTip(tip);
        item->setData(DefaultRole, property.isDefault);
        if (property.isDefault && key) {
            QFont font = item->font();
            font.setItalic(true);
            item->setFont(font);
            item->setForeground(palette().brush(QPalette::Disabled, QPalette::Text));
        }
        setItem(row, 0, item);
        if (QWidget* editor = editorFor(row)) {
            editor->setToolTip(tip);
            setCellWidget(row, 1, editor);
        }
    }
    resizeRowsToContents();
    setUpdatesEnabled(true);
}

QWidget* PropertyTable::editorFor(int row)
{
    const ent::PropertyRow& property = rows_[static_cast<std::size_t>(row)];
    if (property.unreadable) {
        auto* label = new QLabel(displayText(property.key));
        label->setEnabled(false);
        return label;
    }
    const QString text = displayText(property.value);
    if (!property.definition)
        return lineEditor(row, text);
    switch (property.definition->type) {
    case ent::FgdKeyType::Integer:
        if (const std::optional<long long> number = ent::WholeNumber(property.value);
            number && *number >= std::numeric_limits<int>::min() &&
            *number <= std::numeric_limits<int>::max())
            return numberEditor(row, *number);
        return lineEditor(row, text);
    case ent::FgdKeyType::Choices: return choicesEditor(row);
    case ent::FgdKeyType::Flags: return flagsEditor(row);
    case ent::FgdKeyType::Color255: return colourEditor(row, false);
    case ent::FgdKeyType::Color1: return colourEditor(row, true);
    default: return lineEditor(row, text);
    }
}

void PropertyTable::edited(int row, const QByteArray& value)
{
    const ent::PropertyRow& property = rows_[static_cast<std::size_t>(row)];
    if (property.line && value.toStdString() == property.value)
        return;
    if (!property.line && property.isDefault && value.toStdString() == property.value)
        return;
    emit valueEdited(property.line ? static_cast<int>(*property.line) : -1, bytesOf(property.key),
                     value);
}

QWidget* PropertyTable::lineEditor(int row, const QString& text)
{
    auto* editor = new QLineEdit(text);
    editor->setObjectName(QStringLiteral("edit_") + displayText(rows_[std::size_t(row)].key));
    editor->setAccessibleName(item(row, 0) ? item(row, 0)->text() : editor->objectName());
    editor->setFrame(false);
    connect(editor, &QLineEdit::editingFinished, this, [this, row, editor] {
        if (!editor->isModified())
            return;
        editor->setModified(false);
        std::u32string outside;
        const std::optional<std::string> bytes =
            ent::TypedBytes(editor->text().toStdU32String(), &outside);
        if (!bytes) {
            editor->setText(displayText(rows_[static_cast<std::size_t>(row)].value));
            emit cannotStore(QString::fromStdU32String(outside));
            return;
        }
        edited(row, bytesOf(*bytes));
    });
    return editor;
}

QWidget* PropertyTable::numberEditor(int row, long long value)
{
    auto* editor = new QSpinBox;
    editor->setObjectName(QStringLiteral("edit_") + displayText(rows_[std::size_t(row)].key));
    editor->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    editor->setValue(static_cast<int>(value));
    editor->setKeyboardTracking(false);
    editor->setFrame(false);
    connect(editor, &QSpinBox::valueChanged, this,
            [this, row](int number) { edited(row, QByteArray::number(number)); });
    return editor;
}

QWidget* PropertyTable::choicesEditor(int row)
{
    const ent::PropertyRow& property = rows_[static_cast<std::size_t>(row)];
    auto* editor = new QComboBox;
    editor->setObjectName(QStringLiteral("edit_") + displayText(property.key));
    int current = -1;
    for (const ent::FgdChoice& choice : property.definition->choices) {
        editor->addItem(displayText(choice.value) + QStringLiteral(" \u2013 ") +
                            displayText(choice.name),
                        bytesOf(choice.value));
        if (choice.value == property.value)
            current = editor->count() - 1;
    }
    // A value the game data does not list is shown, and kept until changed.
    if (current < 0) {
        editor->addItem(displayText(property.value), bytesOf(property.value));
        current = editor->count() - 1;
    }
    editor->setCurrentIndex(current);
    connect(editor, &QComboBox::activated, this,
            [this, row, editor](int index) { edited(row, editor->itemData(index).toByteArray()); });
    return editor;
}

QWidget* PropertyTable::flagsEditor(int row)
{
    const ent::PropertyRow& property = rows_[static_cast<std::size_t>(row)];
    auto* editor = new QWidget;
    editor->setObjectName(QStringLiteral("edit_") + displayText(property.key));
    auto* layout = new QVBoxLayout(editor);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->setSpacing(0);
    for (const ent::FgdChoice& choice : property.definition->choices) {
        const auto bit = static_cast<std::uint32_t>(ent::WholeNumber(choice.value).value_or(0));
        auto* box = new QCheckBox(displayText(choice.name), editor);
        box->setObjectName(QStringLiteral("flag_%1").arg(bit));
        box->setChecked(ent::FlagIsSet(property.value, bit));
        if (!choice.description.empty())
            box->setToolTip(displayText(choice.description));
        connect(box, &QCheckBox::toggled, this, [this, row, bit](bool on) {
            const ent::PropertyRow& now = rows_[static_cast<std::size_t>(row)];
            edited(row, bytesOf(ent::WithFlag(now.value, bit, on)));
        });
        layout->addWidget(box);
    }
    return editor;
}

QWidget* PropertyTable::colourEditor(int row, bool unitRange)
{
    const ent::PropertyRow& property = rows_[static_cast<std::size_t>(row)];
    auto* editor = new QWidget;
    editor->setObjectName(QStringLiteral("edit_") + displayText(property.key));
    auto* layout = new QHBoxLayout(editor);
    layout->setContentsMargins(0, 0, 0, 0);
    QWidget* text = lineEditor(row, displayText(property.value));
    text->setObjectName(QStringLiteral("text_") + displayText(property.key));
    auto* button = new QPushButton(editor);
    button->setObjectName(QStringLiteral("colour_") + displayText(property.key));
    button->setAccessibleName(tr("Choose colour"));
    button->setFixedWidth(32);
    setSwatch(button, ent::ColourOf(property.value, unitRange));
    connect(button, &QPushButton::clicked, this, [this, row, unitRange] {
        const ent::PropertyRow& now = rows_[static_cast<std::size_t>(row)];
        const std::array<int, 3> rgb =
            ent::ColourOf(now.value, unitRange).value_or(std::array<int, 3>{255, 255, 255});
        const QColor chosen = QColorDialog::getColor(QColor(rgb[0], rgb[1], rgb[2]), this);
        if (!chosen.isValid())
            return;
        edited(row, bytesOf(ent::WithColour(
                        now.value, {chosen.red(), chosen.green(), chosen.blue()}, unitRange)));
    });
    layout->addWidget(text, 1);
    layout->addWidget(button);
    return editor;
}

bool PropertyTable::showLine(std::size_t line)
{
    for (int row = 0; row < rowCount(); ++row) {
        if (rows_[static_cast<std::size_t>(row)].line != line)
            continue;
        setCurrentCell(row, 1);
        scrollToItem(item(row, 0));
        if (QWidget* editor = cellWidget(row, 1))
            editor->setFocus();
        return true;
    }
    return false;
}

void PropertyTable::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        setAccessibleName(tr("Entity properties"));
        setHorizontalHeaderLabels({tr("Property"), tr("Value")});
    }
    QTableWidget::changeEvent(event);
}
