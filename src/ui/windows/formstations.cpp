// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/formstations.h"

#include "files/filedialogs.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "stations/stationfilter.h"
#include "stations/stationmodel.h"
#include "tx/aprsposition.h"
#include "ui/common/aprsicons.h"
#include "ui/common/controls.h"
#include "ui/common/screenfit.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace zeno {

namespace {

const QString kTitle = QStringLiteral("Stations");

// The symbol column: the symbols ZENO draws for its own setup, the table and code for others.
class SymbolDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QString symbol = index.data(StationModel::kSymbolRole).toString();
        const QList<int> pictures =
            symbol.size() == 2 ? picturesFor(symbol[0], symbol[1]) : QList<int>();
        if (pictures.isEmpty()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem plain = option;
        initStyleOption(&plain, index);
        plain.text.clear();
        plain.widget->style()->drawControl(QStyle::CE_ItemViewItem, &plain, painter, plain.widget);
        const int side = qMin(option.rect.width(), option.rect.height()) - 2;
        const QRectF square(option.rect.left() + 2, option.rect.top() + 1, side, side);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        paintAprsSymbol(*painter, square, pictures.first());
        painter->restore();
    }
};

}  // namespace

FormStations::FormStations(StationModel& model, FileDialogState& files, Dialogs& dialogs,
                           Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window),
      model_(model),
      files_(files),
      dialogs_(dialogs),
      platform_(platform) {
    setObjectName(QStringLiteral("FormStations"));
    setWindowTitle(kTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    filter_ = new StationFilter(this);
    filter_->setSourceModel(&model_);
    buildControls();
    wireEvents();
    table_->sortByColumn(StationModel::LastHeard, Qt::DescendingOrder);
    table_->resizeColumnsToContents();
    openAtPageSize(this, QSize(table_->fontMetrics().horizontalAdvance(QString(110, u'M')), 0));
    resize(width(), height() + 10 * table_->verticalHeader()->defaultSectionSize());
    showCount();
}

void FormStations::buildControls() {
    using namespace controls;
    QWidget* page = scrollingPage(this);
    filterLabel_ = label(page, "stationsFilterLabel", QStringLiteral("Filter:"));
    filterBox_ = textBox(page, "stationsFilter", QString(),
                         QStringLiteral("Callsign or locator the stations listed begin with"));
    filterBox_->setPlaceholderText(QStringLiteral("callsign or locator"));
    filterBox_->setClearButtonEnabled(true);
    filterLabel_->setBuddy(filterBox_);
    satelliteOnly_ = checkBox(page, "satelliteOnly", QStringLiteral("heard via a satellite only"),
                              QStringLiteral("Only the stations last heard through RS0ISS, "
                                             "PCSAT-1 or W3ADO-1"));
    count_ = label(page, "stationsCount", QString());

    table_ = new QTableView(page);
    table_->setObjectName(QStringLiteral("stationsTable"));
    table_->setToolTip(QStringLiteral("Double click a station to write it a message"));
    table_->setModel(filter_);
    table_->setSortingEnabled(true);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setItemDelegateForColumn(StationModel::Symbol, new SymbolDelegate(table_));
    table_->setMinimumSize(240, 120);

    copy_ = button(page, "copyStations", QStringLiteral("Copy"),
                   QStringLiteral("Copy the listed stations to the clipboard"));
    save_ = button(page, "saveStations", QStringLiteral("Save as CSV"),
                   QStringLiteral("Save the listed stations as a CSV file"));
    forget_ = button(page, "forgetStations", QStringLiteral("Forget all stations"),
                     QStringLiteral("Empty the station list, also what ZENO keeps of it"));
    close_ = button(page, "closeStations", QStringLiteral("Close"));

    auto* filters = new QHBoxLayout;
    filters->addWidget(filterLabel_);
    filters->addWidget(filterBox_, 1);
    filters->addWidget(satelliteOnly_);
    filters->addStretch();
    filters->addWidget(count_);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {copy_, save_, forget_})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(filters);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
}

void FormStations::wireEvents() {
    connect(filterBox_, &QLineEdit::textChanged, this, &FormStations::filterChanged);
    connect(satelliteOnly_, &QCheckBox::toggled, this, &FormStations::filterChanged);
    connect(table_, &QTableView::doubleClicked, this, &FormStations::stationDoubleClicked);
    connect(copy_, &QPushButton::clicked, this, &FormStations::copyStations);
    connect(save_, &QPushButton::clicked, this, &FormStations::saveStations);
    connect(forget_, &QPushButton::clicked, this, &FormStations::forgetStations);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(filter_, signal, this, &FormStations::showCount);
    connect(filter_, &QAbstractItemModel::layoutChanged, this, &FormStations::showCount);
}

void FormStations::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FormStations::showCount() {
    count_->setText(
        QStringLiteral("%1 of %2 stations").arg(filter_->rowCount()).arg(model_.rowCount()));
}

void FormStations::filterChanged() {
    filter_->setPrefix(filterBox_->text());
    filter_->setSatelliteOnly(satelliteOnly_->isChecked());
    showCount();
}

void FormStations::stationDoubleClicked(const QModelIndex& index) {
    if (!index.isValid())
        return;
    emit replyRequested(model_.station(filter_->mapToSource(index).row()).callsign);
}

void FormStations::copyStations() { platform_.setClipboardText(filter_->tableText(u'\t')); }

void FormStations::saveStations() {
    saveTextAs(files_, dialogs_, {QStringLiteral("stations.csv"), {}, {}},
               [this](bool) { return filter_->tableText(u','); });
}

void FormStations::forgetStations() {
    if (model_.rowCount() == 0) {
        dialogs_.message(QStringLiteral("No stations heard. Nothing to forget"), kTitle,
                         MsgIcon::Information);
        return;
    }
    if (dialogs_.askYesNo(QStringLiteral("Do you want to forget all stations, also those kept "
                                         "from earlier runs?"),
                          QStringLiteral("Forget all stations")))
        emit forgetRequested();
}

}  // namespace zeno
