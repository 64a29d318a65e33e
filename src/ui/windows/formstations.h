// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QTableView;

namespace zeno {

struct FileDialogState;
class Dialogs;
class Platform;
class StationFilter;
class StationModel;

// "Stations": every station heard, with what its reports said, sortable by any column and
// narrowed by a callsign or locator prefix or to those heard through a satellite. A double
// click writes a message to the station; the list can be copied, saved as CSV and forgotten.
// Modeless; the table follows the model as the poll tick updates it.
class FormStations : public QWidget {
    Q_OBJECT
public:
    FormStations(StationModel& model, FileDialogState& files, Dialogs& dialogs, Platform& platform,
                 QWidget* parent = nullptr);

    StationFilter& filter() const { return *filter_; }

public slots:
    void filterChanged();  // the filter box or the satellite check box
    void stationDoubleClicked(const QModelIndex& index);
    void copyStations();    // the listed rows to the clipboard, tab-separated
    void saveStations();    // the listed rows as a CSV file
    void forgetStations();  // asks, then empties the list and what is kept of it

signals:
    // The operator wants to write a message to this station.
    void replyRequested(const QString& callsign);
    // Every station is to be forgotten, also on disk.
    void forgetRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;  // Esc closes the window

private:
    void buildControls();
    void wireEvents();
    void showCount();

    StationModel& model_;
    FileDialogState& files_;
    Dialogs& dialogs_;
    Platform& platform_;
    StationFilter* filter_ = nullptr;

    QLabel* filterLabel_ = nullptr;
    QLineEdit* filterBox_ = nullptr;
    QCheckBox* satelliteOnly_ = nullptr;
    QLabel* count_ = nullptr;
    QTableView* table_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* forget_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace zeno
