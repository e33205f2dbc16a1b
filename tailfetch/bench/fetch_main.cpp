// Completes one file in place from a URL with the completion job, as "Iniciar"
// does with "Adquirir a partir de arquivo" and "Gerar novo arquivo" unchecked,
// and exits when the job ends: 0 when the file was completed. The download
// path alone, for profilers; compare.sh times the command line itself.
#include "tailfetch/job/completion_job.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <url> <incomplete file>\n", argv[0]);
        return 2;
    }
    tailfetch::JobRequest request;
    request.url = QString::fromLocal8Bit(argv[1]);
    request.source = QString::fromLocal8Bit(argv[2]);
    request.startByte = QFileInfo(request.source).size();
    request.inPlace = true;
    tailfetch::CompletionJob job(request);
    int code = 1;
    QObject::connect(&job, &tailfetch::CompletionJob::finished,
                     [&](bool ok, const QString& status, const QString& message) {
                         std::fprintf(stderr, "%s\n", qPrintable(status));
                         if (!ok)
                             std::fprintf(stderr, "%s\n", qPrintable(message));
                         code = ok ? 0 : 1;
                         app.quit();
                     });
    const QString why = job.start();
    if (!why.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(why));
        return 1;
    }
    app.exec();
    return code;
}
