#include "MathRun.h"

#include <stdexcept>
#include <utility>

namespace {

const QString kFrac = QStringLiteral("\\frac");

[[noreturn]] void Fail(const char* what)
{
    throw std::runtime_error(what);
}

class Parser {
public:
    explicit Parser(const QString& text) : m_text(text) {}

    std::vector<MathRun> Line()
    {
        std::vector<MathRun> runs = Runs();
        if (m_pos < m_text.size())
            Fail("'}' without '{'");
        return runs;
    }

private:
    // runs := { text | script | fraction }, up to a closing brace or the end
    std::vector<MathRun> Runs()
    {
        std::vector<MathRun> runs;
        QString text;
        auto flush = [&] {
            if (!text.isEmpty())
                runs.push_back({MathRun::Kind::Text, std::exchange(text, {}), {}, {}});
        };
        while (m_pos < m_text.size() && m_text[m_pos] != u'}') {
            const QChar c = m_text[m_pos];
            if (c == u'^' || c == u'_') {
                flush();
                ++m_pos;
                const auto kind = c == u'^' ? MathRun::Kind::Superscript : MathRun::Kind::Subscript;
                runs.push_back({kind, {}, Argument(), {}});
            } else if (QStringView(m_text).mid(m_pos).startsWith(kFrac)) {
                flush();
                m_pos += kFrac.size();
                std::vector<MathRun> numerator = Group();
                runs.push_back({MathRun::Kind::Fraction, {}, std::move(numerator), Group()});
            } else if (c == u'\\' || c == u'{') {
                Fail("unknown command or stray '{'");
            } else {
                text += c;
                ++m_pos;
            }
        }
        flush();
        return runs;
    }

    // group := "{" runs "}"
    std::vector<MathRun> Group()
    {
        if (m_pos >= m_text.size() || m_text[m_pos] != u'{')
            Fail("'{' expected");
        ++m_pos;
        std::vector<MathRun> runs = Runs();
        if (m_pos >= m_text.size())
            Fail("'}' expected");
        ++m_pos;
        return runs;
    }

    // argument := group | one character
    std::vector<MathRun> Argument()
    {
        if (m_pos < m_text.size() && m_text[m_pos] == u'{')
            return Group();
        if (m_pos >= m_text.size() || QStringLiteral("^_\\}").contains(m_text[m_pos]))
            Fail("script without its argument");
        return {{MathRun::Kind::Text, QString(m_text[m_pos++]), {}, {}}};
    }

    const QString& m_text;
    qsizetype m_pos = 0;
};

} // namespace

std::vector<MathRun> ParseMathRuns(const QString& line)
{
    return Parser(line).Line();
}
