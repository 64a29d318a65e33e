// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/widgets.h"

#include "platform/colors.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>

namespace zeno {

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit clicked();
    QLabel::mousePressEvent(event);
}

void ClickableLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}

QSize ClockLabel::sizeHint() const {
    measure();
    return hint_;
}

QSize ClockLabel::minimumSizeHint() const {
    measure();
    return minimumHint_;
}

void ClockLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        hint_ = QSize();
    QLabel::changeEvent(event);
}

void ClockLabel::measure() const {
    QString shape = text();
    for (QChar& c : shape) {
        if (c.isDigit())
            c = QLatin1Char('0');
    }
    if (hint_.isValid() && shape == measuredShape_)
        return;
    measuredShape_ = shape;
    hint_ = QLabel::sizeHint();
    minimumHint_ = QLabel::minimumSizeHint();
}

void LogoPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = rect().adjusted(1, 1, -1, -1);
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(8, 16, 48));
    sky.setColorAt(1, QColor(24, 48, 110));
    p.fillRect(r, sky);

    // Globe low on the left, an orbit across, a satellite on it.
    const QRectF globe(r.left() - r.height() * 0.3, r.bottom() - r.height() * 0.55,
                       r.height() * 1.1, r.height() * 1.1);
    QRadialGradient sea(globe.center() - QPointF(globe.width() * 0.2, globe.height() * 0.2),
                        globe.width() * 0.7);
    sea.setColorAt(0, QColor(80, 160, 230));
    sea.setColorAt(1, QColor(20, 70, 140));
    p.setPen(Qt::NoPen);
    p.setBrush(sea);
    p.drawEllipse(globe);

    p.setPen(QPen(QColor(255, 220, 120, 160), 1.2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    const QRectF orbit(r.left() + r.width() * 0.05, r.top() + r.height() * 0.25, r.width() * 0.9,
                       r.height() * 0.6);
    p.drawArc(orbit, 20 * 16, 140 * 16);

    const QPointF sat(r.left() + r.width() * 0.72, r.top() + r.height() * 0.3);
    p.setPen(QPen(QColor(230, 230, 230), 1));
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(sat.x() - 3, sat.y() - 3, 6, 6));
    p.setBrush(QColor(60, 90, 200));
    p.drawRect(QRectF(sat.x() - 14, sat.y() - 2, 9, 4));
    p.drawRect(QRectF(sat.x() + 5, sat.y() - 2, 9, 4));

    QFont title = font();
    title.setBold(true);
    title.setPixelSize(qMax(10, int(r.height() * 0.32)));
    p.setFont(title);
    p.setPen(QColor(255, 230, 90));
    p.drawText(r.adjusted(0, 0, -6, -4), Qt::AlignRight | Qt::AlignBottom, QStringLiteral("ZENO"));
}

void LogoPicture::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    QWidget::mouseDoubleClickEvent(event);
}

namespace {

// The system's fixed font, unless it is not truly fixed-pitch (some "mono" families carry
// double-width glyphs): then the first fixed-pitch family installed, "Mono" ones first.
QFont fixedFont() {
    static const QFont chosen = [] {
        QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        if (QFontInfo(font).fixedPitch())
            return font;
        const QStringList families = QFontDatabase::families();
        for (const bool monoOnly : {true, false}) {
            for (const QString& name : families) {
                if (monoOnly && !name.contains(QLatin1String("Mono")))
                    continue;
                if (QFontDatabase::isFixedPitch(name) && QFontInfo(QFont(name)).fixedPitch()) {
                    font.setFamily(name);
                    return font;
                }
            }
        }
        return font;
    }();
    return chosen;
}

}  // namespace

QFont fontForFamily(const QString& family, qreal pointSize) {
    const QString wanted = family.trimmed();
    QFont font;
    if (!wanted.isEmpty() && QFontDatabase::hasFamily(wanted)) {
        font = QFont(wanted);
    } else if (wanted.isEmpty() ||
               wanted.compare(QLatin1String("Fixedsys"), Qt::CaseInsensitive) == 0 ||
               wanted.startsWith(QLatin1String("Courier"), Qt::CaseInsensitive)) {
        font = fixedFont();
    } else {
        font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    }
    if (pointSize > 0)
        font.setPointSizeF(pointSize);
    return font;
}

QIcon themedIcon(const char* themeName, QStyle::StandardPixmap fallback) {
    return QIcon::fromTheme(QLatin1String(themeName),
                            QApplication::style()->standardIcon(fallback));
}

void setWidgetColors(QWidget* widget, int textRgb, int backgroundRgb) {
    QPalette palette = widget->palette();
    const QColor text = colorFromRgbNumber(textRgb);
    const QColor back = colorFromRgbNumber(backgroundRgb);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Base, back);
    palette.setColor(QPalette::Window, back);
    palette.setColor(QPalette::Button, back);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

namespace {

// Sees the keys the window's controls left unused, as a dialog does.
class DialogKeys : public QObject {
public:
    DialogKeys(QWidget* window, QAbstractButton* defaultButton)
        : QObject(window), button_(defaultButton) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        if (key->key() == Qt::Key_Escape) {
            static_cast<QWidget*>(watched)->close();
            return true;
        }
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter || !button_ || !button_->isVisible() || !button_->isEnabled())
            return false;
        button_->click();
        return true;
    }

private:
    QPointer<QAbstractButton> button_;
};

}  // namespace

void giveDialogKeys(QWidget* window, QAbstractButton* defaultButton) {
    new DialogKeys(window, defaultButton);
}

}  // namespace zeno
