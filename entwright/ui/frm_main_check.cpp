// The main window's check: the map's problems in a panel, each leading to
// its entity and key.
#include "entwright/ui/frm_main.h"

#include "entwright/core/map_check.h"
#include "entwright/ui/entity_list_model.h"
#include "entwright/ui/property_table.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

void frmMain::buildCheckPanel()
{
    dockProblems_ = new QDockWidget(tr("Problems"), this);
    dockProblems_->setObjectName(QStringLiteral("dockProblems"));
    auto* panel = new QWidget(dockProblems_);
    cboLimits_ = new QComboBox(panel);
    cboLimits_->setObjectName(QStringLiteral("cboLimits"));
    cboLimits_->setAccessibleName(tr("Engine limits"));
    for (const ent::EngineLimits& limits : ent::EngineLimitProfiles())
        cboLimits_->addItem(QString::fromStdString(limits.name));
    auto* lblLimits = new QLabel(tr("Limits:"), panel);
    lblLimits->setObjectName(QStringLiteral("lblLimits"));
    lblLimits->setBuddy(cboLimits_);
    lstProblems_ = new QListWidget(panel);
    lstProblems_->setObjectName(QStringLiteral("lstProblems"));
    lstProblems_->setAccessibleName(tr("Problems found by the check"));
    auto* row = new QHBoxLayout;
    row->addWidget(lblLimits);
    row->addWidget(cboLimits_);
    row->addStretch();
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(row);
    layout->addWidget(lstProblems_, 1);
    dockProblems_->setWidget(panel);
    addDockWidget(Qt::BottomDockWidgetArea, dockProblems_);
    dockProblems_->hide();

    connect(cboLimits_, &QComboBox::currentIndexChanged, this, &frmMain::refreshCheck);
    connect(lstProblems_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { lstProblems_DoubleClick(lstProblems_->row(item)); });
    connect(lstProblems_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { lstProblems_DoubleClick(lstProblems_->row(item)); });
}

void frmMain::menCheck_Click()
{
    dockProblems_->show();
    refreshCheck();
}

void frmMain::refreshCheck()
{
    if (!dockProblems_ || dockProblems_->isHidden())
        return;
    ent::CheckOptions options;
    options.gameData = gameData_.empty() ? nullptr : &gameData_;
    if (const std::optional<ent::EngineLimits> limits =
            ent::FindLimitProfile(cboLimits_->currentText().toStdString()))
        options.limits = *limits;
    const std::vector<ent::CheckProblem> problems = ent::CheckEntities(doc_.table(), options);
    const std::string file = QFileInfo(CurrentFile_).fileName().toStdString();
    lstProblems_->clear();
    problemPlaces_.clear();
    QStringList lines;
    for (const ent::CheckProblem& problem : problems) {
        lines.append(displayText(ent::FormatCheckProblem(file, problem)));
        problemPlaces_.emplace_back(problem.entity, problem.keyLine);
    }
    lstProblems_->addItems(lines);
    dockProblems_->setWindowTitle(
        problems.empty() ? tr("Problems: none")
                         : tr("Problems: %1").arg(displayText(ent::CheckSummary(file, problems))));
}

void frmMain::lstProblems_DoubleClick(int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= problemPlaces_.size())
        return;
    const auto& [entity, line] = problemPlaces_[static_cast<std::size_t>(row)];
    if (entity >= doc_.table().Entities.size())
        return;
    goToEntity(entity);
    if (!line || *line >= doc_.table().Entities[entity].KeyLines.size())
        return;
    const int keyRow = static_cast<int>(*line);
    filling_ = true;
    listKey_->setCurrentRow(keyRow);
    filling_ = false;
    listKey_Click(keyRow);
    if (chkSmartEdit_->isChecked())
        tblProperties_->showLine(*line);
}
