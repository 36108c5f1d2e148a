// What an SVG's text holds and refers to, looked at before Qt's renderer is given it.
#include "shell/pictures/svg_check.h"

#include <QHash>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace qelt::shell {

namespace {

constexpr qint64 kMostElements = 100000;
constexpr int kMostNested = 256;
constexpr double kLongestSide = 1e6;

constexpr const char* kRefersElsewhere = "an SVG that refers to other files";

// A length in pixels as the renderer measures one (90 to the inch; a unit it does not know
// leaves the number as it is), or nothing where it is relative to the view box.
std::optional<double> Pixels(const QString& length) {
    static const QRegularExpression form(
        R"(^\s*([-+]?(?:\d+\.?\d*|\.\d+)(?:[eE][-+]?\d+)?)\s*([a-zA-Z%]*))");
    const QRegularExpressionMatch match = form.match(length);
    if (!match.hasMatch() || match.captured(2) == "%") {
        return std::nullopt;
    }
    const QString unit = match.captured(2);
    const double perUnit = unit == "pt"   ? 1.25
                           : unit == "pc" ? 15
                           : unit == "mm" ? 3.543307
                           : unit == "cm" ? 35.43307
                           : unit == "in" ? 90
                                          : 1;
    return match.captured(1).toDouble() * perUnit;
}

// The size the root element states: its width and height, or those of its view box.
QSizeF StatedSize(const QXmlStreamAttributes& root) {
    static const QRegularExpression separators(R"([\s,]+)");
    const QStringList box = root.value("viewBox").toString().split(separators, Qt::SkipEmptyParts);
    const bool boxed = box.size() == 4;
    return {Pixels(root.value("width").toString()).value_or(boxed ? box[2].toDouble() : 0),
            Pixels(root.value("height").toString()).value_or(boxed ? box[3].toDouble() : 0)};
}

// The pictures a data URL may be taken to hold: the standard reading, and the one of a decoder
// that takes whatever follows its last "base64,". One without data holds no picture, which a
// renderer might then look for as a file.
std::vector<QByteArray> DataPictures(QStringView url) {
    const qsizetype comma = url.indexOf(',');
    if (comma < 0) {
        return {QByteArray()};
    }
    QByteArray standard = QByteArray::fromPercentEncoding(url.sliced(comma + 1).toUtf8());
    if (url.first(comma).endsWith(QLatin1String(";base64"), Qt::CaseInsensitive)) {
        standard = QByteArray::fromBase64(standard);
    }
    std::vector<QByteArray> pictures{standard};
    const qsizetype last = url.lastIndexOf(QLatin1String("base64,"));
    if (last >= 0) {
        QByteArray lenient = QByteArray::fromBase64(url.sliced(last + 7).toLatin1());
        if (lenient != standard) {
            pictures.push_back(std::move(lenient));
        }
    }
    return pictures;
}

// A name without its prefix: the renderer does not look at namespaces, so "xlink:href" and
// "other:href" are taken alike.
QStringView Local(QStringView name) {
    return name.sliced(name.lastIndexOf(':') + 1);
}

// One element, as far as its references go.
struct Element {
    int parent;
    bool style;                                        // its text is a style sheet
    std::vector<std::pair<QString, bool>> references;  // ids, and whether it draws them again
};

class SvgChecker {
  public:
    SvgChecker(int depth, PictureBudget& budget, InnerPictureCost innerCost)
        : depth_(depth), budget_(budget), innerCost_(innerCost) {}

    std::variant<QSizeF, QString> Check(const QByteArray& text);

  private:
    std::optional<QString> TakeElement(const QXmlStreamReader& xml, int parent);
    std::optional<QString> TakeUrls(QStringView text, int element);
    std::optional<QString> TakeReference(QStringView target, int element, bool drawnAgain);
    std::optional<QString> CountReferences();
    std::optional<QString> Counted(qint64 more);

    const int depth_;
    PictureBudget& budget_;
    const InnerPictureCost innerCost_;
    std::vector<Element> elements_;
    QHash<QString, std::pair<int, int>> ids_;  // the first and the last element of each id
    QSizeF stated_;
};

std::optional<QString> SvgChecker::Counted(qint64 more) {
    budget_.elements += more;
    if (budget_.elements > kMostElements) {
        return QString("an SVG of more than %1 elements, each use of one counted")
            .arg(kMostElements);
    }
    return std::nullopt;
}

// An element's place in the document; an id or a data URL it refers to; any other reference
// would be read from another file. A link to follow (<a>) draws nothing.
std::optional<QString> SvgChecker::TakeElement(const QXmlStreamReader& xml, int parent) {
    const int index = static_cast<int>(elements_.size());
    const QStringView element = Local(xml.qualifiedName());
    elements_.push_back({parent, element == QLatin1String("style"), {}});
    for (const QXmlStreamAttribute& attribute : xml.attributes()) {
        const QStringView name = Local(attribute.qualifiedName());
        if (name == QLatin1String("id")) {
            const QString id = attribute.value().toString();
            ids_.insert(id, {ids_.value(id, {index, index}).first, index});
        } else if (name == QLatin1String("href") && element != QLatin1String("a")) {
            auto why = TakeReference(attribute.value(), index, element == QLatin1String("use"));
            if (why) {
                return why;
            }
        }
        if (auto why = TakeUrls(attribute.value(), index)) {
            return why;
        }
    }
    return Counted(1);
}

std::optional<QString> SvgChecker::TakeUrls(QStringView text, int element) {
    static const QRegularExpression url(R"(url\s*\(\s*(['"]?)([^)]*?)\1\s*\))",
                                        QRegularExpression::CaseInsensitiveOption);
    for (auto matches = url.globalMatch(text); matches.hasNext();) {
        if (auto why = TakeReference(matches.next().capturedView(2), element, false)) {
            return why;
        }
    }
    return std::nullopt;
}

std::optional<QString> SvgChecker::TakeReference(QStringView target, int element, bool drawnAgain) {
    target = target.trimmed();
    if (target.isEmpty()) {
        return std::nullopt;  // the document itself, which the renderer skips
    }
    if (target.startsWith('#')) {
        elements_[element].references.emplace_back(target.sliced(1).toString(), drawnAgain);
        return Counted(1);
    }
    if (!target.startsWith(QLatin1String("data:"), Qt::CaseInsensitive)) {
        return QString(kRefersElsewhere);
    }
    for (const QByteArray& picture : DataPictures(target)) {
        const auto cost = innerCost_(picture, depth_ + 1, budget_);
        if (const auto* why = std::get_if<QString>(&cost)) {
            return "a picture inside it: " + *why;
        }
        budget_.decodedBytes += std::get<qint64>(cost);
    }
    return std::nullopt;
}

// Counts each element as often as it is drawn, once in its place and once more for each use
// of it or of an element around it; references that lead back to where they start are
// refused, since the renderer would follow them for ever.
std::optional<QString> SvgChecker::CountReferences() {
    const std::size_t count = elements_.size();
    std::vector<std::vector<std::pair<int, bool>>> waiting(count);  // (on it, drawing it again)
    std::vector<int> pending(count, 0);
    for (std::size_t i = 0; i < count; ++i) {
        if (const int parent = elements_[i].parent; parent >= 0) {
            waiting[i].emplace_back(parent, true);
            ++pending[parent];
        }
        for (const auto& [id, drawnAgain] : elements_[i].references) {
            const auto found = ids_.constFind(id);
            if (found == ids_.cend()) {
                continue;
            }
            for (const int target : {found->first, found->second}) {
                waiting[target].emplace_back(static_cast<int>(i), drawnAgain);
                ++pending[i];
                if (found->first == found->second) {
                    break;
                }
            }
        }
    }
    std::vector<qint64> drawn(count, 1);
    std::vector<int> ready;
    for (std::size_t i = 0; i < count; ++i) {
        if (pending[i] == 0) {
            ready.push_back(static_cast<int>(i));
        }
    }
    std::size_t counted = 0;
    while (!ready.empty()) {
        const int done = ready.back();
        ready.pop_back();
        ++counted;
        for (const auto& [waiter, drawnAgain] : waiting[done]) {
            if (drawnAgain) {
                drawn[waiter] = std::min(drawn[waiter] + drawn[done], kMostElements + 1);
            }
            if (--pending[waiter] == 0) {
                ready.push_back(waiter);
            }
        }
    }
    if (counted < count) {
        return QString("an SVG whose elements refer to each other in a loop");
    }
    return Counted(drawn[0] - static_cast<qint64>(count));
}

std::variant<QSizeF, QString> SvgChecker::Check(const QByteArray& text) {
    QXmlStreamReader xml(text);
    xml.setNamespaceProcessing(false);  // as the renderer reads it
    std::vector<int> open;              // the elements not yet closed, the innermost last
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (elements_.empty()) {
                if (Local(xml.qualifiedName()) != QLatin1String("svg")) {
                    return QString(kNotAPicture);
                }
                stated_ = StatedSize(xml.attributes());
                if (!(stated_.width() <= kLongestSide && stated_.height() <= kLongestSide)) {
                    return QString("an SVG of %1 × %2 pixels, more than %3 on a side")
                        .arg(stated_.width(), 0, 'g', 10)
                        .arg(stated_.height(), 0, 'g', 10)
                        .arg(kLongestSide, 0, 'f', 0);
                }
            }
            if (open.size() >= kMostNested) {
                return QString("an SVG of elements nested more than %1 deep").arg(kMostNested);
            }
            if (auto why = TakeElement(xml, open.empty() ? -1 : open.back())) {
                return *why;
            }
            open.push_back(static_cast<int>(elements_.size()) - 1);
        } else if (token == QXmlStreamReader::EndElement) {
            open.pop_back();
        } else if (token == QXmlStreamReader::Characters && !open.empty() &&
                   elements_[open.back()].style) {
            if (auto why = TakeUrls(xml.text(), open.back())) {
                return *why;
            }
        } else if (token == QXmlStreamReader::DTD) {
            for (const QXmlStreamEntityDeclaration& entity : xml.entityDeclarations()) {
                if (!entity.systemId().isEmpty() || !entity.publicId().isEmpty()) {
                    return QString(kRefersElsewhere);
                }
            }
        }
    }
    if (xml.hasError()) {
        return QString("damaged: %1 at line %2").arg(xml.errorString()).arg(xml.lineNumber());
    }
    if (elements_.empty()) {
        return QString(kNotAPicture);
    }
    if (auto why = CountReferences()) {
        return *why;
    }
    return stated_;
}

}  // namespace

std::variant<QSizeF, QString> CheckSvg(const QByteArray& text, int depth, PictureBudget& budget,
                                       InnerPictureCost innerCost) {
    return SvgChecker(depth, budget, innerCost).Check(text);
}

}  // namespace qelt::shell
