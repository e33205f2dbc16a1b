#pragma once

#include "entwright/core/entity_file.h"
#include "entwright/core/fgd_model.h"
#include "entwright/core/property_rows.h"

#include <QByteArray>
#include <QTableWidget>

#include <vector>

// The selected entity's keys through the game data: a row per key with its
// display name, an editor that fits its type, the default marked and the help
// text as a tooltip. Keys the game data does not know are edited as their
// raw value. The table only shows and reports: every edit goes back to the
// window, which applies it to the table of entities and shows the entity again.
class PropertyTable final : public QTableWidget {
    Q_OBJECT

public:
    // Set on a row's name item: true when the value shown is the default.
    static constexpr int DefaultRole = Qt::UserRole + 1;

    explicit PropertyTable(QWidget* parent = nullptr);

    // Shows `record` as `gameData` describes its class; it must outlive the
    // rows (until the next call or clear()).
    void showEntity(const ent::GameData& gameData, const ent::EntityRecord& record);
    void clearEntity();

protected:
    void changeEvent(QEvent* event) override;

public:
    const std::vector<ent::PropertyRow>& rows() const { return rows_; }

    // Brings the row of the entity's line `line` into view with its editor
    // focused; false when no row shows that line.
    bool showLine(std::size_t line);

signals:
    // A new value for a key: `line` is the entity's line holding it, or -1
    // when the entity lacks the key and a line must be added.
    void valueEdited(int line, const QByteArray& key, const QByteArray& value);
    // A typed value held these characters, which Windows-1252 has no byte
    // for; nothing was changed.
    void cannotStore(const QString& characters);

private:
    QWidget* editorFor(int row);
    QWidget* lineEditor(int row, const QString& text);
    QWidget* numberEditor(int row, long long value);
    QWidget* choicesEditor(int row);
    QWidget* flagsEditor(int row);
    QWidget* colourEditor(int row, bool unitRange);
    void edited(int row, const QByteArray& value);

    std::vector<ent::PropertyRow> rows_;
};
