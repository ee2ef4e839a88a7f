// SPDX-FileCopyrightText: 2026 The Somatra developers
// SPDX-License-Identifier: MIT
#pragma once
// A box for a measurement: what it takes, however it arrives.
#include <optional>

#include <QLineEdit>
#include <QValidator>

namespace platform {

// Typed keys and input-method compositions: digits and one decimal separator in the whole text, "."
// everywhere and the locale's own where it is another; any other character is left out. Everything
// else (a paste, a drop, an assistive client's write, text set by the program) is read as a number in
// the person's locale: the box gets the text the keyboard would have typed for it, or keeps its text
// and says so with pasteRefused (text set by the program is never refused).
class MeasurementBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit MeasurementBox(QWidget *parent = nullptr);

signals:
    void pasteRefused();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    class Reader;
    QValidator::State Read(QString &input, int &position);

    // While the box handles a key or a composition, the text it had before.
    std::optional<QString> m_typedInto;
};

} // namespace platform
