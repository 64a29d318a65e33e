// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "orbit/passes.h"

#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;
class QTableWidget;

namespace zeno {

class PassWatch;
class Platform;
class PolarPlot;

// "Satellite passes": the next 48 hours of passes of the satellite the Via box names (AOS,
// TCA and LOS with their azimuths, the highest elevation, the duration), the selected pass
// drawn on the sky, and "Use for timed beacon", which hands that pass to the timed beacon.
// Modeless; Esc closes it.
class FormPasses : public QDialog {
    Q_OBJECT
public:
    FormPasses(PassWatch& watch, Platform& platform, QWidget* parent = nullptr);

    const QList<Pass>& passes() const { return passes_; }

public slots:
    void Form_Load();           // lists the passes from now on
    void PassList_Click();      // the selected pass goes on the plot
    void UseForBeacon_Click();  // "Use for timed beacon"

signals:
    void useForTimedBeacon(const zeno::Pass& pass);

private:
    void buildControls();
    int selectedRow() const;

    PassWatch& watch_;
    Platform& platform_;
    QList<Pass> passes_;

    QLabel* PassTitle = nullptr;  // satellite and station, or why there are no passes
    QTableWidget* PassList = nullptr;
    PolarPlot* PassPlot = nullptr;
    QPushButton* UseForBeacon = nullptr;
    QPushButton* CloseButton = nullptr;
};

}  // namespace zeno
