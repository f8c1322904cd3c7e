#pragma once
#include "platform/forms/Containers.h"
#include "platform/qt/Canvas.h"

#include <QColor>
#include <QComboBox>
#include <QEvent>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QString>
#include <QWidget>

class QTabBar;

// Widgets drawn by the backend itself, where the platform's look differs
// from Qt's stock widgets or a stock widget would cost too much per push.
namespace qtui {

// A command button whose caption wraps at blanks onto more lines when it is
// wider than the button, as the platform's buttons do ("集計 クリア" in a
// narrow button shows as two lines instead of being cut at both ends).
class CaptionButton : public QPushButton {
public:
    explicit CaptionButton(QWidget* parent) : QPushButton(parent) {}

protected:
    void paintEvent(QPaintEvent*) override;
};

// A check box drawn by the style as Qt's own check box draws it, on its
// BackColor (the palette's window colour), without that widget's machinery:
// its caption (with an access key), its value and its pressed look. The
// drawing is kept and drawn again only when something it shows changed.
class CheckBoxWidget : public QWidget {
public:
    explicit CheckBoxWidget(QWidget* parent);
    const QString& text() const { return text_; }
    void setText(const QString& text);
    Qt::CheckState checkState() const { return state_; }
    void setCheckState(Qt::CheckState state);
    void setDown(bool down);

protected:
    void paintEvent(QPaintEvent*) override;
    void changeEvent(QEvent* event) override;

private:
    void changed();

    QString text_;
    Qt::CheckState state_ = Qt::Unchecked;
    bool down_ = false;
    int shortcut_ = 0;
    QPixmap drawn_;
    int drawnState_ = -1; // the style state drawn_ shows; -1: to be drawn
};

// A combo box whose open list may be wider than the box, to show its long
// items, but never wider than the box's window: a 127-character name would
// otherwise stretch it across the screen. Items wider than that show their
// start and "…".
class ComboWidget : public QComboBox {
public:
    explicit ComboWidget(QWidget* parent);
    void showPopup() override;
};

// A list box. Keys and clicks act through the model, never through Qt's
// own cursor moves; so Qt does not make the first row current (and mark it)
// when the list gets the focus while nothing is chosen. The focus mark then
// goes round the first row, where the arrow keys start, as on the platform.
class ListWidget : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    QModelIndex moveCursor(CursorAction, Qt::KeyboardModifiers) override { return {}; }
    void paintEvent(QPaintEvent* event) override;
};

// The inside of a picture box or user control, and the form's client area:
// a background colour and a picture at its natural size under the items.
class PictureWidget : public Canvas {
public:
    explicit PictureWidget(QWidget* parent);
    void setPicture(const QString& path);
    void setBackground(const QColor& color);
    // A user control's painted boxes, read from the model at each paint;
    // call again when they change.
    void showPainting(const forms::UserControl* painter);

protected:
    void paintBackground(QPainter& p) override;

private:
    QPixmap pixmap_;
    QColor back_;
    const forms::UserControl* painter_ = nullptr;
};

// A container with a background and an optional sunken border; its
// children live in `inner`, which keeps clear of the border.
class BoxWidget : public QWidget {
public:
    explicit BoxWidget(QWidget* parent);
    PictureWidget* inner() const { return inner_; }
    void setBorder(bool border);
    void setBackground(const QColor& color);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    PictureWidget* inner_;
    bool border_ = false;
};

// A frame: an etched border with the caption on its top edge.
class FrameWidget : public Canvas {
public:
    explicit FrameWidget(QWidget* parent);
    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    void setBorder(bool border);
    void setColors(const QColor& fore, const QColor& back);

protected:
    void paintBackground(QPainter& p) override;

private:
    QString caption_;
    QColor fore_, back_;
    bool border_ = true;
};

// A tab strip: a row of tabs over a raised panel (the panel is not a
// container: the controls shown on it are its siblings).
class TabStripWidget : public QWidget {
public:
    explicit TabStripWidget(QWidget* parent);
    QTabBar* bar() const { return bar_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    QTabBar* bar_;
};

} // namespace qtui
