#pragma once
// Helpers that both windows use on their controls: layout units, colours, fonts and the key hook.
#include <functional>
#include <optional>

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QWidget>

class QComboBox;
class QFontMetrics;
class QGroupBox;
class QKeyEvent;
class QLineEdit;
class QMenuBar;
class QPlainTextEdit;

namespace platform {

// The layout is designed in twips; 15 twips make one pixel at 96 dpi.
constexpr int TwipsPerPixel = 15;
int TwipsToPixels(double twips);

// Text colour: WindowText for labels and lines, Text for edits. Background: Window with
// autoFillBackground for labels, Base for edits. Unchanged colours are not written again.
void SetForeColor(QWidget *control, const QColor &colour);
void SetBackColor(QWidget *control, const QColor &colour);
// Bold text, in this size where one is given, set in one font change so that the control lays out
// its text once.
void SetBoldFont(QWidget *control, std::optional<int> pointSize = std::nullopt,
    QFont::StyleStrategy strategy = QFont::PreferDefault);

// A control that never shows takes the fonts it is given without laying its text out in them, which
// would load a font engine for nothing.
void KeepFontsUnlaidOut(QWidget *control);

// Width in twips; a negative, non-finite or overflowing width is refused and nothing changes.
bool SetWidthTwips(QWidget *control, std::optional<double> twips);

// Writes that skip an unchanged value, so no change signal and no relayout happen for nothing.
void SetText(QLineEdit *box, const QString &text);
void SetText(QPlainTextEdit *box, const QString &text); // the multi-line box
void SetCaption(QLabel *label, const QString &caption);
void SetTitle(QGroupBox *frame, const QString &title);
void SetVisible(QWidget *control, bool visible);

// Selection-only lists: writing selects the item equal to the text without regard to case (nothing
// changes when none matches); currentText() reads the item as stored, or "" with none.
void SetListText(QComboBox *list, const QString &text);

// Key-press hook: the handler receives the typed character as a 16-bit code and may set it to 0,
// which discards the key. It also gets the text the character joins: the box's text without the
// selection that the character replaces, with what the same commit has already typed. Ctrl+A to Ctrl+Z arrive
// as the control codes 1 to 26 whatever text the event carries. Keys that type no character (arrows, Delete,
// function keys) never reach it. Text that an input method or a dead key composes is typed too: each of its
// characters passes the handler. Paste and drop are not typing and are not filtered.
using KeyPressHandler = std::function<void(int &keyAscii, QStringView kept)>;
void InstallKeyPressHook(QLineEdit *box, KeyPressHandler handler);
std::optional<int> CharacterCode(const QKeyEvent &event);

// The digit key filter of the measurement boxes: control codes and digits pass, all else is refused.
void DigitsOnly(int &keyAscii, QStringView kept = {});
// The same, with one decimal point "." in the whole text, for a part of a unit (half an inch).
void DigitsAndOnePoint(int &keyAscii, QStringView kept);

// Moves the keyboard into the menu bar with its first item highlighted, as F10 does in desktop
// programs. The arrow keys move along the bar; Return or Enter chooses the item and Escape leaves;
// either gives the focus back to where it was.
void EnterMenuBar(QMenuBar *bar);

// Lines of a text broken only where a space stands, each as wide as fits; a word wider than the
// width gets a line of its own.
QStringList WrapAtSpaces(const QString &text, const QFontMetrics &metrics, int width);

// A label whose text wraps at spaces only, so that "kg/m2" or "protein-energy" never splits.
class SpaceWrapLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A line of the design, painted in its WindowText colour over its whole area: no style draws it in
// a colour of its own, and at a fractional scale it still covers at least one device pixel.
class Line : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace platform
