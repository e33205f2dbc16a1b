#include "entwright/ui/frm_ripent.h"

#include "common/ui/language.h"

#include "entwright/core/bsp_map.h"

#include "entwright/ui/ripent_watch.h"

#include "common/ui/dialogs.h"
#include "common/ui/text.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStringList>
#include <QVBoxLayout>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

QString fromPath(const std::filesystem::path& path)
{
    return QString::fromStdU16String(path.u16string());
}

} // namespace

frmRipent::frmRipent(const QString& programDir, suite::Dialogs& dialogs, ent::RipentMode mode,
                     QWidget* parent)
    : QDialog(parent), programDir_(programDir), dialogs_(dialogs), RipentMode_(mode)
{
    setObjectName(QStringLiteral("frmRipent"));
    setWindowTitle(mode == ent::RipentMode::Export ? tr("Export .ent from BSP")
                                                   : tr("Import .ent into BSP"));
    setModal(true);

    auto* Frame1 = new QGroupBox(tr("Select BSP file"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    txtPath_ = new QLineEdit(Frame1);
    txtPath_->setObjectName(QStringLiteral("txtPath"));
    txtPath_->setAccessibleName(tr("BSP file"));
    auto* cmbOpen = new QPushButton(QStringLiteral("..."), Frame1);
    cmbOpen->setObjectName(QStringLiteral("cmbOpen"));
    cmbOpen->setAccessibleName(tr("Browse"));
    cmbOpen->setAccessibleDescription(tr("Choose the BSP file in a file dialog"));
    cmbOpen->setToolTip(tr("Choose the BSP file in a file dialog"));
    cmbOpen->setFixedWidth(cmbOpen->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);
    auto* frameLayout = new QHBoxLayout(Frame1);
    frameLayout->addWidget(txtPath_, 1);
    frameLayout->addWidget(cmbOpen);

    auto* cmbRun = new QPushButton(tr("Go!"), this);
    cmbRun->setObjectName(QStringLiteral("cmbRun"));
    cmbRun->setDefault(true);
    auto* cmbCancel = new QPushButton(tr("Cancel"), this);
    cmbCancel->setObjectName(QStringLiteral("cmbCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmbRun);
    buttons->addWidget(cmbCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);
    resize(420, sizeHint().height());

    connect(cmbOpen, &QPushButton::clicked, this, &frmRipent::cmbOpen_Click);
    connect(cmbRun, &QPushButton::clicked, this, &frmRipent::cmbRun_Click);
    connect(cmbCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmRipent::cmbOpen_Click()
{
    const QString chosen = dialogs_.openFile(this, tr("BSP Files (.BSP)|*.bsp"), dialogFile_);
    // A cancelled dialog keeps whatever the box holds, typed text included.
    if (chosen.isEmpty())
        return;
    dialogFile_ = chosen;
    txtPath_->setText(chosen);
}

void frmRipent::cmbRun_Click()
{
    ent::RipentSetup setup;
    setup.programDir = suite::toPath(programDir_);
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!userData.isEmpty())
        setup.searchDirs.push_back(suite::toPath(userData));
    for (const QString& dir :
         qEnvironmentVariable("PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts))
        setup.searchDirs.push_back(suite::toPath(dir));
#ifdef Q_OS_WIN
    setup.windows = true;
#else
    const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
    if (!wine.isEmpty())
        setup.wine = suite::toPath(wine);
#endif
    const std::optional<ent::RipentLaunch> launch =
        ent::PlanRipent(setup, RipentMode_, txtPath_->text().toStdString());
    if (!launch) {
        if (runBuiltIn())
            accept();
        return;
    }
    if (!startRipent(*launch)) {
        dialogs_.message(this, suite::MessageIcon::Critical, tr("Error"),
                         tr("There was an error during opearation"));
        return;
    }
    accept();
}

bool frmRipent::runBuiltIn()
{
    const QString map = txtPath_->text();
    const bool exporting = RipentMode_ == ent::RipentMode::Export;
    if (exporting) {
        const QString entFile = fromPath(ent::RipentEntPath(suite::toPath(map)));
        if (QFileInfo::exists(entFile) &&
            !dialogs_.questionDefaultNo(
                this, suite::MessageIcon::Exclamation, tr("Export"),
                tr("\"%1\" already exists. Replace it?").arg(QDir::toNativeSeparators(entFile))))
            return false;
    }
    const ent::BuiltInRun run =
        exporting ? ent::BuiltInExport(suite::toPath(map)) : ent::BuiltInImport(suite::toPath(map));
    if (!run.ok) {
        dialogs_.message(this, suite::MessageIcon::Critical, tr("Error"),
                         tr("There was an error during opearation\n\n%1")
                             .arg(QString::fromStdString(run.reason)));
        return false;
    }
    const QString written = QDir::toNativeSeparators(fromPath(run.written));
    dialogs_.message(this, suite::MessageIcon::Information, exporting ? tr("Export") : tr("Import"),
                     exporting ? tr("ripent was not found, so Entwright exported the map's "
                                    "%1 entities itself to \"%2\".")
                                     .arg(suite::formatNumber(static_cast<qint64>(run.entities)))
                                     .arg(written)
                               : tr("ripent was not found, so Entwright imported %1 entities "
                                    "itself into \"%2\".")
                                     .arg(suite::formatNumber(static_cast<qint64>(run.entities)))
                                     .arg(written));
    if (!exporting)
        emit imported(map);
    return true;
}

bool frmRipent::startRipent(const ent::RipentLaunch& launch)
{
    const QString map = txtPath_->text();
    auto* process = new QProcess;
    process->setProgram(fromPath(launch.program));
    // The tool talks to the terminal Entwright was started from, as it did
    // when it was started on its own.
    process->setProcessChannelMode(QProcess::ForwardedChannels);
#ifdef Q_OS_WIN
    // ripent has always been given its switch and the quoted map path as one
    // command line, in a maximised console of its own that takes the focus.
    process->setNativeArguments(
        QString::fromStdString(ent::RipentNativeArguments(RipentMode_, map.toStdString())));
    process->setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments* args) {
        args->flags |= CREATE_NEW_CONSOLE;
        args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        args->startupInfo->wShowWindow = SW_SHOWMAXIMIZED;
    });
#else
    QStringList arguments;
    for (const std::string& argument : launch.arguments)
        arguments.append(QString::fromStdString(argument));
    process->setArguments(arguments);
#endif
    process->start();
    if (!process->waitForStarted()) {
        delete process;
        return false;
    }
    QWidget* owner = parentWidget() ? parentWidget() : this;
    new RipentWatch(process, map, dialogs_, owner);
    return true;
}
