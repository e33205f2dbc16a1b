#pragma once

#include "texpeek/core/interpretation.h"

#include <QWidget>

class QDoubleSpinBox;
class QLabel;
class QToolButton;

namespace texpeek {

// The row under the picture that names each assumption made in reading the
// file on show and changes it with one click. An assumption the header does
// not settle is marked as a guess until the user picks it. Assumptions that
// do not apply to the file's format are not shown.
class InterpretationStrip final : public QWidget {
    Q_OBJECT

public:
    explicit InterpretationStrip(QWidget* parent = nullptr);

    // Shows `interpretation`; nothing at all when no file is on show.
    void showReading(const Interpretation& interpretation);
    void clear();
    const Interpretation& interpretation() const { return interpretation_; }

signals:
    // The user changed an assumption; the picture is to be read again.
    void changed(const Interpretation& interpretation);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void refresh();
    void pick(const Interpretation& next);

    Interpretation interpretation_;
    QLabel* lblLeitura_ = nullptr;
    QToolButton* colourSpace_ = nullptr;
    QToolButton* alpha_ = nullptr;
    QToolButton* signed_ = nullptr;
    QToolButton* normalZ_ = nullptr;
    QToolButton* maskOrder_ = nullptr;
    QLabel* lblExposure_ = nullptr;
    QDoubleSpinBox* exposure_ = nullptr;
    QToolButton* curve_ = nullptr;
};

} // namespace texpeek
