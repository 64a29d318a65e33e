// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QLabel>
#include <QStyle>
#include <QWidget>

class QAbstractButton;

namespace zeno {

// A label that reports clicks and double clicks (filter label, beacon label).
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// The clock: its caption changes every second but keeps its shape. Its size hint is measured
// once for each shape of caption (every digit alike), not for every second: measuring a bold
// caption costs more than the frame the same tick shows.
class ClockLabel : public QLabel {
public:
    using QLabel::QLabel;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void measure() const;

    mutable QString measuredShape_;
    mutable QSize hint_;
    mutable QSize minimumHint_;
};

// The program's picture in the main window: a satellite over a globe with the name.
class LogoPicture : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

signals:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// Settings files name Windows font families ("Fixedsys", "Courier"); where a family is
// missing here it maps to this system's fixed or proportional font.
QFont fontForFamily(const QString& family, qreal pointSize = 0);

// The desktop theme's icon of that name, else the style's own picture.
QIcon themedIcon(const char* themeName, QStyle::StandardPixmap fallback);

// Sets text and background colours of a widget from RGB numbers (red in the low byte).
void setWidgetColors(QWidget* widget, int textRgb, int backgroundRgb);

// A window that is no dialog gets a dialog's keys: Esc closes it (through its own close
// question, if it has one) and Enter clicks its default button, if it has one.
void giveDialogKeys(QWidget* window, QAbstractButton* defaultButton = nullptr);

}  // namespace zeno
