// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/formpasses.h"

#include "orbit/passwatch.h"
#include "platform/platform.h"
#include "ui/common/controls.h"
#include "ui/common/polarplot.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zeno {

namespace {

const QStringList kColumns = {QStringLiteral("AOS"),    QStringLiteral("AOS az"),
                              QStringLiteral("TCA"),    QStringLiteral("TCA az"),
                              QStringLiteral("Max el"), QStringLiteral("LOS"),
                              QStringLiteral("LOS az"), QStringLiteral("Duration")};

QString localTime(const QDateTime& t, const char* format = "HH:mm:ss") {
    return QLocale::c().toString(t.toLocalTime(), QLatin1String(format));
}

QString azimuth(double degrees) {
    return QStringLiteral("%1° %2").arg(qRound(degrees) % 360).arg(compassPoint(degrees));
}

QString duration(const Pass& pass) {
    const qint64 seconds = pass.aos.secsTo(pass.los);
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString degrees(double value, char positive, char negative) {
    return QStringLiteral("%1°%2")
        .arg(std::abs(value), 0, 'f', 2)
        .arg(QLatin1Char(value < 0 ? negative : positive));
}

}  // namespace

FormPasses::FormPasses(PassWatch& watch, Platform& platform, QWidget* parent)
    : QDialog(parent), watch_(watch), platform_(platform) {
    setObjectName(QStringLiteral("FormPasses"));
    setWindowTitle(QStringLiteral("Satellite passes"));
    buildControls();
    Form_Load();
}

void FormPasses::buildControls() {
    using namespace controls;
    PassTitle = label(this, "PassTitle", QString());
    PassTitle->setWordWrap(true);
    PassList = new QTableWidget(0, int(kColumns.size()), this);
    PassList->setObjectName(QStringLiteral("PassList"));
    PassList->setHorizontalHeaderLabels(kColumns);
    PassList->setSelectionBehavior(QAbstractItemView::SelectRows);
    PassList->setSelectionMode(QAbstractItemView::SingleSelection);
    PassList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    PassList->verticalHeader()->hide();
    PassList->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    PassPlot = new PolarPlot(this);
    PassPlot->setObjectName(QStringLiteral("PassPlot"));
    PassPlot->setToolTip(
        QStringLiteral("The selected pass on the sky: north up, the zenith in "
                       "the middle, the dot at AOS"));
    UseForBeacon =
        button(this, "UseForBeacon", QStringLiteral("Use for timed beacon"),
               QStringLiteral("Start and stop the timed beacon at this pass's AOS and LOS"));
    CloseButton = button(this, "CloseButton", QStringLiteral("Close"));

    auto* middle = new QHBoxLayout;
    middle->addWidget(PassList, 3);
    middle->addWidget(PassPlot, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(UseForBeacon);
    buttons->addWidget(CloseButton);
    auto* whole = new QVBoxLayout(this);
    whole->addWidget(PassTitle);
    whole->addLayout(middle, 1);
    whole->addLayout(buttons);

    connect(PassList, &QTableWidget::itemSelectionChanged, this, &FormPasses::PassList_Click);
    connect(UseForBeacon, &QPushButton::clicked, this, &FormPasses::UseForBeacon_Click);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::close);
}

void FormPasses::Form_Load() {
    const QDateTime now = platform_.now();
    passes_ = watch_.passesFrom(now);
    const std::optional<Satellite>& satellite = watch_.satellite();
    if (!satellite) {
        PassTitle->setText(
            QStringLiteral("The Via box names no satellite ZENO follows: RS0ISS "
                           "or W3ADO-1 for the ISS, PCSAT-1 for NO-44."));
    } else if (!watch_.elements()) {
        PassTitle->setText(
            QStringLiteral("tle.txt holds no elements for %1: Setup > Update TLEs...")
                .arg(satellite->name));
    } else if (!watch_.observer()) {
        PassTitle->setText(
            QStringLiteral("Passes need your position: Setup > Setup APRS "
                           "Position & Icon..."));
    } else {
        const Observer& o = *watch_.observer();
        PassTitle->setText(QStringLiteral("%1 from %2 %3, above %4°: %5 passes in the next 48 h "
                                          "(elements of %6)")
                               .arg(satellite->name, degrees(o.latitudeDeg, 'N', 'S'),
                                    degrees(o.longitudeDeg, 'E', 'W'),
                                    QString::number(watch_.minElevation()),
                                    QString::number(passes_.size()),
                                    localTime(watch_.elements()->epoch, "dd-MM-yyyy")));
    }
    PassList->setRowCount(int(passes_.size()));
    for (int row = 0; row < passes_.size(); ++row) {
        const Pass& p = passes_[row];
        const QString cells[] = {localTime(p.aos, "ddd HH:mm:ss"),
                                 azimuth(p.aosAzimuthDeg),
                                 localTime(p.tca),
                                 azimuth(p.tcaAzimuthDeg),
                                 QStringLiteral("%1°").arg(qRound(p.maxElevationDeg)),
                                 localTime(p.los),
                                 azimuth(p.losAzimuthDeg),
                                 duration(p)};
        for (int column = 0; column < int(std::size(cells)); ++column)
            PassList->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    if (!passes_.isEmpty())
        PassList->selectRow(0);
    PassList_Click();
}

int FormPasses::selectedRow() const {
    const QList<QTableWidgetSelectionRange> ranges = PassList->selectedRanges();
    const int row = ranges.isEmpty() ? -1 : ranges.first().topRow();
    return row < passes_.size() ? row : -1;
}

void FormPasses::PassList_Click() {
    const int row = selectedRow();
    UseForBeacon->setEnabled(row >= 0);
    QList<QPointF> track;
    if (row >= 0 && watch_.elements() && watch_.observer()) {
        for (const LookAngles& look :
             passTrack(*watch_.elements(), *watch_.observer(), passes_[row]))
            track << QPointF(look.azimuthDeg, look.elevationDeg);
    }
    PassPlot->setTrack(track);
}

void FormPasses::UseForBeacon_Click() {
    if (const int row = selectedRow(); row >= 0)
        emit useForTimedBeacon(passes_[row]);
}

}  // namespace zeno
