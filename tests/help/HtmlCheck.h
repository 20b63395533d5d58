// SPDX-License-Identifier: MIT
// A small checker for the help pages: the HTML5 frame (doctype, language,
// character set, title), tags properly nested and closed, quoted attributes,
// known character references, and only the elements that the help window's
// browser understands. It reads the page the way a strict author would
// write it: every non-void element is closed explicitly.
#pragma once

#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>

#include <vector>

namespace tesseran::testing {

struct HtmlTag {
    QString name;                               // lower case
    QList<QPair<QString, QString>> attributes;  // names lower case, values unescaped only of &amp;
    bool closing = false;
    int line = 0;

    QString Attribute(const QString& attributeName) const {
        for (const auto& [key, value] : attributes) {
            if (key == attributeName) return value;
        }
        return {};
    }
    bool HasAttribute(const QString& attributeName) const {
        for (const auto& attribute : attributes) {
            if (attribute.first == attributeName) return true;
        }
        return false;
    }
};

struct HtmlReport {
    QStringList problems;  // empty: the page is well formed
    std::vector<HtmlTag> tags;
    QString title;
    QString text;  // the text outside tags, references left as written
};

inline bool IsVoidElement(const QString& name) {
    static const QSet<QString> voids = {"area",  "base", "br",   "col",    "embed", "hr", "img",
                                        "input", "link", "meta", "source", "track", "wbr"};
    return voids.contains(name);
}

// What the pages may use: HTML5 elements that the browser of the help
// window renders.
inline bool IsKnownElement(const QString& name) {
    static const QSet<QString> known = {
        "html", "head", "meta",  "title", "style", "body",  "h1",   "h2",   "h3",  "h4",
        "p",    "a",    "img",   "table", "thead", "tbody", "tr",   "th",   "td",  "caption",
        "ul",   "ol",   "li",    "dl",    "dt",    "dd",    "div",  "span", "b",   "strong",
        "em",   "i",    "small", "br",    "hr",    "kbd",   "code", "sup",  "sub", "blockquote"};
    return known.contains(name);
}

inline int LineAt(const QString& page, qsizetype position) {
    return static_cast<int>(page.left(position).count(QLatin1Char('\n'))) + 1;
}

// Parses the attributes of one start tag's inside (after the name).
inline bool ParseAttributes(const QString& inside, HtmlTag& tag, QString& problem) {
    static const QRegularExpression attribute(QStringLiteral(
        R"re(\G\s+([a-zA-Z][a-zA-Z0-9_:-]*)(?:\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s"'=<>`]+)))?)re"));
    qsizetype at = 0;
    QString rest = inside;
    // A self-closing slash of a void element is allowed.
    if (rest.endsWith(QLatin1Char('/'))) rest.chop(1);
    while (at < rest.size()) {
        if (rest.mid(at).trimmed().isEmpty()) break;
        const QRegularExpressionMatch match = attribute.match(rest, at, QRegularExpression::NormalMatch,
                                                              QRegularExpression::AnchorAtOffsetMatchOption);
        if (!match.hasMatch()) {
            problem = QStringLiteral("cannot read the attributes \"%1\"").arg(rest.mid(at).trimmed());
            return false;
        }
        if (match.capturedLength(4) > 0) {
            problem =
                QStringLiteral("unquoted attribute value %1=%2").arg(match.captured(1), match.captured(4));
            return false;
        }
        const QString key = match.captured(1).toLower();
        if (tag.HasAttribute(key)) {
            problem = QStringLiteral("attribute %1 given twice").arg(key);
            return false;
        }
        QString value = match.capturedLength(2) > 0 ? match.captured(2) : match.captured(3);
        value.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        tag.attributes.append({key, value});
        at = match.capturedEnd(0);
    }
    return true;
}

inline void CheckReferences(const QString& text, int line, QStringList& problems) {
    static const QRegularExpression reference(QStringLiteral(R"re(&(#[0-9]+|#x[0-9a-fA-F]+|[a-zA-Z]+);)re"));
    static const QSet<QString> named = {"amp",  "lt",   "gt",   "quot", "apos",  "nbsp",   "times",
                                        "rarr", "larr", "uarr", "darr", "minus", "middot", "hellip"};
    qsizetype at = 0;
    while ((at = text.indexOf(QLatin1Char('&'), at)) >= 0) {
        const QRegularExpressionMatch match = reference.match(text, at, QRegularExpression::NormalMatch,
                                                              QRegularExpression::AnchorAtOffsetMatchOption);
        if (!match.hasMatch()) {
            problems << QStringLiteral("line %1: a bare & (write &amp;)re").arg(line);
        } else if (!match.captured(1).startsWith(QLatin1Char('#')) && !named.contains(match.captured(1))) {
            problems << QStringLiteral("line %1: unknown reference &%2;").arg(line).arg(match.captured(1));
        }
        ++at;
    }
}

inline HtmlReport CheckHtml(const QString& page) {
    HtmlReport report;
    QStringList& problems = report.problems;

    static const QRegularExpression doctype(QStringLiteral(R"re(^\s*<!DOCTYPE\s+html\s*>)re"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch doctypeMatch = doctype.match(page);
    if (!doctypeMatch.hasMatch()) problems << QStringLiteral("the page does not start with <!DOCTYPE html>");
    qsizetype at = doctypeMatch.hasMatch() ? doctypeMatch.capturedEnd(0) : 0;

    struct Open {
        QString name;
        int line;
    };
    std::vector<Open> stack;
    bool inTitle = false;
    while (at < page.size()) {
        const qsizetype open = page.indexOf(QLatin1Char('<'), at);
        const QString text = page.mid(at, open < 0 ? -1 : open - at);
        if (text.contains(QLatin1Char('>')))
            problems << QStringLiteral("line %1: a bare >").arg(LineAt(page, at));
        CheckReferences(text, LineAt(page, at), problems);
        report.text += text;
        if (inTitle) report.title += text;
        if (open < 0) break;
        const int line = LineAt(page, open);
        if (page.mid(open, 4) == QLatin1String("<!--")) {
            const qsizetype end = page.indexOf(QStringLiteral("-->"), open + 4);
            if (end < 0) {
                problems << QStringLiteral("line %1: a comment that never ends").arg(line);
                break;
            }
            at = end + 3;
            continue;
        }
        const qsizetype close = page.indexOf(QLatin1Char('>'), open);
        if (close < 0) {
            problems << QStringLiteral("line %1: a tag that never ends").arg(line);
            break;
        }
        const QString inside = page.mid(open + 1, close - open - 1);
        static const QRegularExpression nameExpression(QStringLiteral(R"re(^(/?)([a-zA-Z][a-zA-Z0-9]*))re"));
        const QRegularExpressionMatch nameMatch = nameExpression.match(inside);
        if (!nameMatch.hasMatch() || inside.contains(QLatin1Char('<'))) {
            problems << QStringLiteral("line %1: not a tag: <%2>").arg(line).arg(inside);
            at = close + 1;
            continue;
        }
        HtmlTag tag;
        tag.name = nameMatch.captured(2).toLower();
        tag.closing = !nameMatch.captured(1).isEmpty();
        tag.line = line;
        if (!IsKnownElement(tag.name))
            problems << QStringLiteral("line %1: element <%2> not used here").arg(line).arg(tag.name);
        if (tag.closing) {
            if (!inside.mid(nameMatch.capturedLength(0)).trimmed().isEmpty()) {
                problems
                    << QStringLiteral("line %1: attributes on the end tag </%2>").arg(line).arg(tag.name);
            }
            if (IsVoidElement(tag.name)) {
                problems
                    << QStringLiteral("line %1: end tag for the void element <%2>").arg(line).arg(tag.name);
            } else if (stack.empty() || stack.back().name != tag.name) {
                problems << QStringLiteral("line %1: </%2> closes <%3> of line %4")
                                .arg(line)
                                .arg(tag.name, stack.empty() ? QStringLiteral("nothing") : stack.back().name)
                                .arg(stack.empty() ? 0 : stack.back().line);
            } else {
                stack.pop_back();
            }
        } else {
            QString problem;
            if (!ParseAttributes(inside.mid(nameMatch.capturedLength(0)), tag, problem)) {
                problems << QStringLiteral("line %1: <%2>: %3").arg(line).arg(tag.name, problem);
            }
            if (!IsVoidElement(tag.name)) stack.push_back({tag.name, line});
        }
        if (tag.name == QLatin1String("title")) inTitle = !tag.closing;
        // The style sheet is text for the browser, not markup.
        if (tag.name == QLatin1String("style") && !tag.closing) {
            const qsizetype end = page.indexOf(QStringLiteral("</style>"), close + 1, Qt::CaseInsensitive);
            if (end < 0) {
                problems << QStringLiteral("line %1: <style> is never closed").arg(line);
                break;
            }
            report.tags.push_back(tag);
            at = end;
            continue;
        }
        report.tags.push_back(tag);
        at = close + 1;
    }
    for (const Open& left : stack)
        problems << QStringLiteral("line %1: <%2> is never closed").arg(left.line).arg(left.name);

    // The frame of an HTML5 page.
    auto first = [&report](const QString& name) -> const HtmlTag* {
        for (const HtmlTag& tag : report.tags) {
            if (tag.name == name && !tag.closing) return &tag;
        }
        return nullptr;
    };
    const HtmlTag* html = first(QStringLiteral("html"));
    if (html == nullptr || report.tags.front().name != QLatin1String("html")) {
        problems << QStringLiteral("the page does not begin with <html>");
    }
    if (html == nullptr || html->Attribute(QStringLiteral("lang")) != QLatin1String("ja")) {
        problems << QStringLiteral("<html> does not say lang=\"ja\"");
    }
    bool charset = false;
    for (const HtmlTag& tag : report.tags) {
        if (tag.name == QLatin1String("meta") &&
            tag.Attribute(QStringLiteral("charset")).toLower() == "utf-8") {
            charset = true;
        }
    }
    if (!charset) problems << QStringLiteral("no <meta charset=\"utf-8\">");
    if (first(QStringLiteral("head")) == nullptr) problems << QStringLiteral("no <head>");
    if (first(QStringLiteral("body")) == nullptr) problems << QStringLiteral("no <body>");
    if (first(QStringLiteral("title")) == nullptr) problems << QStringLiteral("no <title>");
    int bodies = 0;
    for (const HtmlTag& tag : report.tags)
        bodies += tag.name == QLatin1String("body") && !tag.closing ? 1 : 0;
    if (bodies > 1) problems << QStringLiteral("more than one <body>");
    report.title = report.title.trimmed();
    return report;
}

}  // namespace tesseran::testing
