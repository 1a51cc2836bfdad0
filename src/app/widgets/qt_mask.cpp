#include "app/widgets/qt_mask.hpp"

#include "core/text/edit_mask.hpp"

namespace app {

namespace {

// Characters with a meaning of their own in a Qt input mask.
bool qtSpecial(QChar c) { return QStringLiteral("AaNnXx90Dd#HhBb><![]{}\\").contains(c); }

}  // namespace

QString qtInputMask(std::string_view mask) {
    if (mask.empty()) return {};
    const QString spec = QString::fromUtf8(mask.data(), static_cast<qsizetype>(mask.size()));
    // Fields: the mask, whether literals are kept, the blank character.
    QString body;
    QChar blank = QLatin1Char('_');
    int field = 0;
    QString fieldText;
    for (qsizetype i = 0; i < spec.size(); ++i) {
        const QChar c = spec.at(i);
        if (field == 0 && c == QLatin1Char('\\') && i + 1 < spec.size()) {
            body += c;
            body += spec.at(++i);
            continue;
        }
        if (c == QLatin1Char(';')) {
            ++field;
            continue;
        }
        if (field == 0) body += c;
        else if (field == 2 && fieldText.isEmpty()) fieldText = c;
    }
    if (!fieldText.isEmpty()) blank = fieldText.at(0);

    QString out;
    for (qsizetype i = 0; i < body.size(); ++i) {
        const QChar c = body.at(i);
        switch (c.unicode()) {
            case '!':  // leading blanks: no Qt counterpart, positions are the same
                break;
            case '>':
            case '<':
                out += c;
                break;
            case '0':
            case '9':
                out += QLatin1Char('0');  // a digit, not required
                break;
            case '#':
                out += QLatin1Char('#');
                break;
            case 'L':
            case 'l':
                out += QLatin1Char('a');
                break;
            case 'A':
            case 'a':
                out += QLatin1Char('n');
                break;
            case 'C':
            case 'c':
                out += QLatin1Char('x');
                break;
            case '\\':
                if (i + 1 < body.size()) {
                    const QChar lit = body.at(++i);
                    if (qtSpecial(lit)) out += QLatin1Char('\\');
                    out += lit;
                }
                break;
            default:
                if (qtSpecial(c)) out += QLatin1Char('\\');
                out += c;
                break;
        }
    }
    out += QLatin1Char(';');
    out += blank;
    return out;
}

std::string maskedEditText(std::string_view mask, const QString& display) {
    return core::maskedText(mask, display.toStdString());
}

QString maskedEditDisplay(std::string_view mask, const std::string& text) {
    return QString::fromStdString(core::maskDisplayText(mask, text));
}

}  // namespace app
