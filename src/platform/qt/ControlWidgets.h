#pragma once
#include <QColor>
#include <QLineF>
#include <QPen>
#include <QPixmap>
#include <QString>
#include <QWidget>

class QTabBar;

// Widgets drawn by the backend itself, where the platform's look differs
// from Qt's stock widgets or a stock widget would cost too much per push.
namespace qtui {

// A label: text from the top, wrapped at the width, access-key "&" shown as
// an underline, an optional opaque background and sunken border.
class LabelWidget : public QWidget {
public:
    explicit LabelWidget(QWidget* parent);
    const QString& text() const { return text_; }
    void setText(const QString& text);
    void setLook(int alignment, bool wrap, bool opaque, bool border);
    void setColors(const QColor& fore, const QColor& back);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString text_;
    QColor fore_, back_;
    int alignment_ = 0;
    bool wrap_ = true, opaque_ = true, border_ = false;
};

// A line between two points inside the widget.
class LineWidget : public QWidget {
public:
    explicit LineWidget(QWidget* parent);
    void setLine(const QLineF& line, const QPen& pen);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QLineF line_;
    QPen pen_;
};

// A shape: rectangle, square, oval, circle, rounded rectangle or square.
class ShapeWidget : public QWidget {
public:
    explicit ShapeWidget(QWidget* parent);
    void setShape(int kind, const QPen& pen, const QBrush& fill, const QBrush& back);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int kind_ = 0;
    QPen pen_;
    QBrush fill_, back_;
};

// A picture at its natural size or stretched, over an optional background;
// the inside of picture boxes and the image control.
class PictureWidget : public QWidget {
public:
    explicit PictureWidget(QWidget* parent);
    void setPicture(const QString& path);
    void setStretch(bool v);
    void setBackground(const QColor& color, bool opaque);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPixmap pixmap_;
    QColor back_;
    bool stretch_ = false, opaque_ = false;
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
    QColor back_;
    bool border_ = false;
};

// A frame: an etched border with the caption on its top edge.
class FrameWidget : public QWidget {
public:
    explicit FrameWidget(QWidget* parent);
    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    void setBorder(bool border);
    void setColors(const QColor& fore, const QColor& back);

protected:
    void paintEvent(QPaintEvent*) override;

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
