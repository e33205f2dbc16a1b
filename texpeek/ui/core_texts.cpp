#include "texpeek/ui/core_texts.h"

#include "common/ui/language.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace texpeek {

namespace {

constexpr const char* kContext = "texpeek::CoreTexts";

struct Pattern {
    const char* expression; // what the decoders write, figures captured
    const char* text; // the translatable text, %1... for the captures
    bool numbers; // the captures are counts, grouped the language's way
};

const Pattern kPatterns[] = {
    {"^(\\d+) bits por pixel não suportados$",
     QT_TRANSLATE_NOOP("texpeek::CoreTexts", "%1 bits por pixel não suportados"), false},
    {"^Formato DXGI (\\d+) não suportado$",
     QT_TRANSLATE_NOOP("texpeek::CoreTexts", "Formato DXGI %1 não suportado"), false},
    {"^Formato (\\d+) não suportado$",
     QT_TRANSLATE_NOOP("texpeek::CoreTexts", "Formato %1 não suportado"), false},
    {"^FourCC \"(.*)\" não suportado$",
     QT_TRANSLATE_NOOP("texpeek::CoreTexts", "FourCC \"%1\" não suportado"), false},
    {"^Formato (.+) não suportado nesta versão$",
     QT_TRANSLATE_NOOP("texpeek::CoreTexts", "Formato %1 não suportado nesta versão"), false},
    {"^ASTC (\\d+x\\d+) recusado pela libastcenc$",
     QT_TRANSLATE_NOOP("texpeek::CoreTexts", "ASTC %1 recusado pela libastcenc"), false},
    {"^Dados insuficientes: o arquivo tem (\\d+) de (\\d+) bytes da imagem$",
     QT_TRANSLATE_NOOP("texpeek::CoreTexts",
                       "Dados insuficientes: o arquivo tem %1 de %2 bytes da imagem"),
     true},
};

} // namespace

QString shownReason(const QString& reason)
{
    for (const Pattern& pattern : kPatterns) {
        const QRegularExpressionMatch match =
            QRegularExpression(QString::fromUtf8(pattern.expression)).match(reason);
        if (!match.hasMatch())
            continue;
        QString text = QCoreApplication::translate(kContext, pattern.text);
        for (int capture = 1; capture <= match.lastCapturedIndex(); ++capture) {
            const QString figure = match.captured(capture);
            text = text.arg(pattern.numbers ? suite::formatNumber(figure.toLongLong()) : figure);
        }
        return text;
    }
    return reason;
}

} // namespace texpeek
