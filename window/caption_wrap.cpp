#include "caption_wrap.h"

namespace talvex {

QStringList wrapAtSpaces(const QString &caption, int boxWidth,
                         const std::function<int(const QString &)> &width) {
    QStringList lines;
    QString line;
    bool lineHasWord = false;
    qsizetype pos = 0;
    const qsizetype size = caption.size();
    while (pos < size) {
        // The spaces before the next word, then the word itself.
        qsizetype wordStart = pos;
        while (wordStart < size && caption[wordStart] == u' ') ++wordStart;
        qsizetype wordEnd = wordStart;
        while (wordEnd < size && caption[wordEnd] != u' ') ++wordEnd;
        const QString spaces = caption.mid(pos, wordStart - pos);
        const QString word = caption.mid(wordStart, wordEnd - wordStart);
        pos = wordEnd;

        const QString candidate = line + spaces + word;
        if (!lineHasWord || word.isEmpty() || width(candidate) <= boxWidth) {
            // Fits, or nothing stands on this line yet, or only trailing
            // spaces are left: they stay where they are.
            line = candidate;
            lineHasWord = lineHasWord || !word.isEmpty();
        } else {
            // Break at the spaces; they end the old line and are not drawn.
            lines << line;
            line = word;
            lineHasWord = true;
        }
    }
    if (!line.isEmpty() || lines.isEmpty()) lines << line;
    return lines;
}

}  // namespace talvex
