#include "pivotel/ui/core_texts.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <vector>

namespace pivotel {
namespace {

// The core's sentences, %1... standing for its values; kept in step with
// core/sprite.cpp, core/sprite_builder.cpp and core/quant/imagequant.cpp.
const char* const kCoreTexts[] = {
    QT_TRANSLATE_NOOP("pivotel::CoreText", "it does not start with \"IDSP\""),
    QT_TRANSLATE_NOOP("pivotel::CoreText", "its version is %1, not 1 or 2"),
    QT_TRANSLATE_NOOP("pivotel::CoreText", "too short for a sprite header"),
    QT_TRANSLATE_NOOP("pivotel::CoreText", "no pictures were given"),
    QT_TRANSLATE_NOOP("pivotel::CoreText", "%1 holds no picture"),
    QT_TRANSLATE_NOOP("pivotel::CoreText",
                      "the pictures hold more than %1 colours and cannot be reduced here"),
    QT_TRANSLATE_NOOP("pivotel::CoreText", "the list names %1 pictures, but %2 were read"),
    QT_TRANSLATE_NOOP("pivotel::CoreText", "a version 1 sprite has no texture format"),
    QT_TRANSLATE_NOOP("pivotel::CoreText", "%1 frames: the game's limit is %2 frames"),
    QT_TRANSLATE_NOOP("pivotel::CoreText",
                      "frame %1 is %2 x %3: the game's frame size limit is %4 x %5"),
    QT_TRANSLATE_NOOP("pivotel::CoreText", "%1 frames: the game's frame count limit is %2"),
    QT_TRANSLATE_NOOP("pivotel::CoreText", "%1 palette colours: the game's palette holds 1 to 256"),
    QT_TRANSLATE_NOOP("pivotel::CoreText", "the pictures cannot keep quality %1 with %2 colours"),
    QT_TRANSLATE_NOOP("pivotel::CoreText", "libimagequant could not start"),
    QT_TRANSLATE_NOOP("pivotel::CoreText", "libimagequant refused the colour count or quality"),
    QT_TRANSLATE_NOOP("pivotel::CoreText", "libimagequant could not read %1"),
    QT_TRANSLATE_NOOP("pivotel::CoreText", "libimagequant could not reduce the colours"),
    QT_TRANSLATE_NOOP("pivotel::CoreText", "libimagequant could not remap %1"),
};

struct Pattern {
    const char* source;
    QRegularExpression match;
};

const std::vector<Pattern>& patterns()
{
    static const std::vector<Pattern> all = [] {
        std::vector<Pattern> made;
        static const QRegularExpression placeholder(QStringLiteral("%\\d"));
        for (const char* source : kCoreTexts) {
            QString expression = QRegularExpression::escape(QString::fromUtf8(source));
            // Escaping leaves "%1" as it is.
            expression.replace(placeholder, QStringLiteral("(.*)"));
            made.push_back({source, QRegularExpression(QStringLiteral("^") + expression +
                                                       QStringLiteral("$"))});
        }
        return made;
    }();
    return all;
}

} // namespace

QString coreText(const std::string& text)
{
    const QString given = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    for (const Pattern& pattern : patterns()) {
        const QRegularExpressionMatch found = pattern.match.match(given);
        if (!found.hasMatch())
            continue;
        QString worded = QCoreApplication::translate("pivotel::CoreText", pattern.source);
        for (int i = 1; i <= found.lastCapturedIndex(); ++i)
            worded = worded.arg(found.captured(i));
        return worded;
    }
    return given;
}

} // namespace pivotel
