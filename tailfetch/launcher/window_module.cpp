#include "tailfetch/launcher/window_module.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#ifndef TAILFETCH_WINDOW_MODULE
#error "TAILFETCH_WINDOW_MODULE (the module's file name) must come from the build"
#endif
#ifndef TAILFETCH_MODULE_DIR
#error                                                                                             \
    "TAILFETCH_MODULE_DIR (the module's folder seen from the installed program) must come from the build"
#endif

namespace tailfetch {
namespace {

// Asked of the system, not of argv[0], which a caller may set to anything;
// and before any QCoreApplication exists, since the window's QApplication
// must be the first one.
QString executableDir(const char* argv0)
{
#if defined(Q_OS_WIN)
    wchar_t path[32768];
    const DWORD length = GetModuleFileNameW(nullptr, path, sizeof path / sizeof path[0]);
    if (length > 0 && length < sizeof path / sizeof path[0])
        return QFileInfo(QString::fromWCharArray(path, static_cast<int>(length))).absolutePath();
#elif defined(Q_OS_LINUX)
    const QString self = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    if (!self.isEmpty())
        return QFileInfo(self).absolutePath();
#endif
    return QFileInfo(QString::fromLocal8Bit(argv0)).absolutePath();
}

} // namespace

int runWindowModule(int& argc, char** argv)
{
    const QDir here(executableDir(argv[0]));
    const QString name = QStringLiteral(TAILFETCH_WINDOW_MODULE);
    // Beside the program first: a build tree or an unpacked folder; then the
    // installed layout (bin/ and lib/tailfetch/ under one prefix).
    const QStringList candidates{
        here.filePath(name),
        QDir::cleanPath(here.filePath(QStringLiteral(TAILFETCH_MODULE_DIR "/") + name))};
    QStringList failures;
    for (const QString& candidate : candidates) {
        if (!QFileInfo::exists(candidate))
            continue;
        QLibrary module(candidate);
        // Never unloaded: Qt's own clean-up at exit may still reach into it
        // after the entry returns.
        module.setLoadHints(QLibrary::PreventUnloadHint);
        const auto entry = reinterpret_cast<WindowEntry>(module.resolve(kWindowEntryName));
        if (entry)
            return entry(&argc, argv);
        failures.append(module.errorString());
    }
    if (failures.isEmpty())
        failures.append(
            QStringLiteral("%1 is in none of %2").arg(name, candidates.join(QStringLiteral(", "))));
    const QByteArray text = QStringLiteral("tailfetch: the window cannot be loaded: %1\n")
                                .arg(failures.join(QStringLiteral("; ")))
                                .toLocal8Bit();
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stderr);
    return 1;
}

} // namespace tailfetch
