#include "qt/single_line_validator.h"

#include <algorithm>

namespace tarvola {

QValidator::State SingleLineValidator::validate(QString& input, int& position) const
{
    const auto lineBreak = std::find_if(input.cbegin(), input.cend(), [](QChar c) {
        return c == u'\r' || c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
    });
    input.truncate(lineBreak - input.cbegin());
    for (qsizetype i = input.size() - 1; i >= 0; --i) {
        const QChar c = input.at(i);
        const bool paired = c.isHighSurrogate() ? i + 1 < input.size() && input.at(i + 1).isLowSurrogate()
            : c.isLowSurrogate()                ? i > 0 && input.at(i - 1).isHighSurrogate()
                                                : true;
        if (!paired) {
            input.remove(i, 1);
            if (position > i)
                --position;
        }
    }
    position = std::min(position, static_cast<int>(input.size()));
    return Acceptable;
}

} // namespace tarvola
