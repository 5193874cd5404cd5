#include "platform/pdf_library.h"

#include "platform/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUuid>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFFormFieldObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>
#include <algorithm>
#include <filesystem>
#include <set>
#include <vector>

namespace qvr {
namespace {

constexpr const char* kFallbackFont = "/QvrHelv";

// The Windows code page 1252 bytes of a text: the font of an appearance is WinAnsi-encoded, so
// that typographic apostrophes and accented letters print. Unmappable characters become "?".
std::string WinAnsi(const QString& text) {
    static const std::pair<char16_t, unsigned char> kSpecials[] = {
        {0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85}, {0x2020, 0x86},
        {0x2021, 0x87}, {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A}, {0x2039, 0x8B}, {0x0152, 0x8C},
        {0x017D, 0x8E}, {0x2018, 0x91}, {0x2019, 0x92}, {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95},
        {0x2013, 0x96}, {0x2014, 0x97}, {0x02DC, 0x98}, {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B},
        {0x0153, 0x9C}, {0x017E, 0x9E}, {0x0178, 0x9F}};
    std::string bytes;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x20 && u < 0x7F) || (u >= 0xA0 && u <= 0xFF)) {
            bytes += static_cast<char>(u);
            continue;
        }
        char mapped = '?';
        for (const auto& [unicode, byte] : kSpecials)
            if (unicode == u) mapped = static_cast<char>(byte);
        bytes += mapped;
    }
    return bytes;
}

// Widths of Helvetica's glyphs for the printable ASCII characters, in thousandths of the font
// size; other characters count as wide as a digit. Enough to place a line of a form field.
constexpr short kHelveticaWidths[95] = {
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278,  // space to /
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556,  // 0 to ?
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778,  // @ to O
    667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556,  // P to _
    333, 556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556,  // ` to o
    556, 556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584};      // p to ~

double TextWidth(const std::string& winAnsi, double size) {
    double thousandths = 0;
    for (const char c : winAnsi) {
        const auto byte = static_cast<unsigned char>(c);
        thousandths += byte >= 0x20 && byte < 0x7F ? kHelveticaWidths[byte - 0x20] : 556;
    }
    return thousandths * size / 1000;
}

// Where a line of text starts in a field `width` wide: two points in from the side its quadding
// names (0 left, 1 centred, 2 right), never left of the left margin.
double TextStart(int quadding, double width, double textWidth) {
    constexpr double margin = 2;
    if (quadding == 1) return std::max(margin, (width - textWidth) / 2);
    if (quadding == 2) return std::max(margin, width - margin - textWidth);
    return margin;
}

bool IsField(QPDFObjectHandle object) { return object.isDictionary() && object.hasKey("/T"); }

// Depth-first walk of the terminal fields, guarding against reference cycles.
void CollectTerminalFields(QPDFObjectHandle fields, std::vector<QPDFObjectHandle>& out, std::set<QPDFObjGen>& seen) {
    if (!fields.isArray()) return;
    for (int i = 0; i < fields.getArrayNItems(); ++i) {
        QPDFObjectHandle field = fields.getArrayItem(i);
        if (!field.isDictionary()) continue;
        if (field.isIndirect() && !seen.insert(field.getObjGen()).second) continue;
        QPDFObjectHandle kids = field.getKey("/Kids");
        bool hasChildFields = false;
        if (kids.isArray())
            for (int k = 0; k < kids.getArrayNItems(); ++k) hasChildFields |= IsField(kids.getArrayItem(k));
        if (hasChildFields)
            CollectTerminalFields(kids, out, seen);
        else
            out.push_back(field);
    }
}

std::vector<QPDFObjectHandle> Widgets(QPDFObjectHandle field) {
    QPDFObjectHandle kids = field.getKey("/Kids");
    if (!kids.isArray()) return {field};
    std::vector<QPDFObjectHandle> widgets;
    for (int k = 0; k < kids.getArrayNItems(); ++k)
        if (kids.getArrayItem(k).isDictionary()) widgets.push_back(kids.getArrayItem(k));
    return widgets;
}

// The name of a check box widget's on state: the normal appearance that is not /Off.
std::string OnStateName(QPDFObjectHandle widget) {
    QPDFObjectHandle normal = widget.getKey("/AP").getKey("/N");
    if (normal.isDictionary())
        for (const std::string& key : normal.getKeys())
            if (key != "/Off") return key;
    return "/Yes";
}

struct Appearance {
    std::string font;
    double size = 0;
};

Appearance ParseDefaultAppearance(const std::string& da) {
    static const QRegularExpression fontOperator(R"((/[^\s/]+)\s+([0-9.]+)\s+Tf)");
    const QRegularExpressionMatch match = fontOperator.match(QString::fromStdString(da));
    if (!match.hasMatch()) return {};
    return {match.captured(1).toStdString(), match.captured(2).toDouble()};
}

}  // namespace

struct PdfLibrary::Document {
    QPDF pdf;
    std::vector<QPDFObjectHandle> fields;

    QPDFObjectHandle AcroForm() { return pdf.getRoot().getKey("/AcroForm"); }

    // The font resource an appearance may name: the field's own from the form's resources, or a
    // WinAnsi Helvetica added to them.
    QPDFObjectHandle FontResources(Appearance& appearance) {
        QPDFObjectHandle acroForm = AcroForm();
        QPDFObjectHandle resources = acroForm.getKey("/DR");
        if (!resources.isDictionary()) {
            resources = QPDFObjectHandle::newDictionary();
            acroForm.replaceKey("/DR", resources);
        }
        QPDFObjectHandle fonts = resources.getKey("/Font");
        if (!fonts.isDictionary()) {
            fonts = QPDFObjectHandle::newDictionary();
            resources.replaceKey("/Font", fonts);
        }
        if (appearance.font.empty() || !fonts.hasKey(appearance.font)) {
            if (!fonts.hasKey(kFallbackFont)) {
                QPDFObjectHandle helvetica = QPDFObjectHandle::newDictionary();
                helvetica.replaceKey("/Type", QPDFObjectHandle::newName("/Font"));
                helvetica.replaceKey("/Subtype", QPDFObjectHandle::newName("/Type1"));
                helvetica.replaceKey("/BaseFont", QPDFObjectHandle::newName("/Helvetica"));
                helvetica.replaceKey("/Encoding", QPDFObjectHandle::newName("/WinAnsiEncoding"));
                fonts.replaceKey(kFallbackFont, pdf.makeIndirectObject(helvetica));
            }
            appearance.font = kFallbackFont;
        }
        QPDFObjectHandle streamResources = QPDFObjectHandle::newDictionary();
        QPDFObjectHandle streamFonts = QPDFObjectHandle::newDictionary();
        streamFonts.replaceKey(appearance.font, fonts.getKey(appearance.font));
        streamResources.replaceKey("/Font", streamFonts);
        return streamResources;
    }

    void SetTextAppearance(QPDFObjectHandle widget, const std::string& da, int quadding, const QString& text) {
        QPDFObjectHandle rect = widget.getKey("/Rect");
        if (!rect.isRectangle()) return;
        const QPDFObjectHandle::Rectangle r = rect.getArrayAsRectangle();
        const double width = r.urx - r.llx;
        const double height = r.ury - r.lly;
        Appearance appearance = ParseDefaultAppearance(da);
        QPDFObjectHandle resources = FontResources(appearance);
        const double size = appearance.size > 0 ? appearance.size : std::max(4.0, std::min(10.0, height * 0.7));
        const double baseline = std::max(1.0, (height - size * 0.75) / 2);
        const std::string bytes = WinAnsi(text);
        const double start = TextStart(quadding, width, TextWidth(bytes, size));
        const std::string content = "/Tx BMC q BT " + appearance.font + " " + std::to_string(size) + " Tf 0 g " +
                                    std::to_string(start) + " " + std::to_string(baseline) + " Td " +
                                    QPDFObjectHandle::newString(bytes).unparse() + " Tj ET Q EMC\n";
        QPDFObjectHandle stream = pdf.newStream(content);
        QPDFObjectHandle dict = stream.getDict();
        dict.replaceKey("/Type", QPDFObjectHandle::newName("/XObject"));
        dict.replaceKey("/Subtype", QPDFObjectHandle::newName("/Form"));
        dict.replaceKey("/BBox", QPDFObjectHandle::newArray(QPDFObjectHandle::Rectangle(0, 0, width, height)));
        dict.replaceKey("/Resources", resources);
        QPDFObjectHandle ap = QPDFObjectHandle::newDictionary();
        ap.replaceKey("/N", stream);
        widget.replaceKey("/AP", ap);
    }

    void SetText(QPDFObjectHandle field, const QString& text) {
        QPDFFormFieldObjectHelper helper(field);
        const std::string da = helper.getDefaultAppearance();
        field.replaceKey("/V", QPDFObjectHandle::newUnicodeString(text.toStdString()));
        const int quadding = helper.getQuadding();
        for (QPDFObjectHandle widget : Widgets(field)) SetTextAppearance(widget, da, quadding, text);
    }

    void SetCheckBox(QPDFObjectHandle field, bool on) {
        std::string fieldState = "/Off";
        for (QPDFObjectHandle widget : Widgets(field)) {
            const std::string state = on ? OnStateName(widget) : "/Off";
            widget.replaceKey("/AS", QPDFObjectHandle::newName(state));
            if (on) fieldState = state;
        }
        field.replaceKey("/V", QPDFObjectHandle::newName(fieldState));
    }
};

PdfLibrary::PdfLibrary() = default;
PdfLibrary::~PdfLibrary() = default;

int PdfLibrary::LoadFromFile(const QString& path) {
    document_.reset();
    const QString host = files::HostPath(path);
    if (!QFileInfo(host).isFile()) return 0;
    try {
        auto document = std::make_unique<Document>();
        document->pdf.processFile(QFile::encodeName(host).constData());
        std::set<QPDFObjGen> seen;
        CollectTerminalFields(document->AcroForm().getKey("/Fields"), document->fields, seen);
        document_ = std::move(document);
        return 1;
    } catch (const std::exception&) {
        return 0;
    }
}

int PdfLibrary::FormFieldCount() const { return document_ ? static_cast<int>(document_->fields.size()) : 0; }

// A damaged object is found only when it is read: it reads as no name, or a field of no kind.
QString PdfLibrary::FormFieldName(int index) const {
    if (index < 1 || index > FormFieldCount()) return {};
    try {
        QPDFFormFieldObjectHelper field(document_->fields[static_cast<size_t>(index - 1)]);
        return QString::fromStdString(field.getFullyQualifiedName());
    } catch (const std::exception&) {
        return {};
    }
}

FormFieldKind PdfLibrary::FormFieldType(int index) const {
    if (index < 1 || index > FormFieldCount()) return FormFieldKind::Other;
    try {
        QPDFFormFieldObjectHelper field(document_->fields[static_cast<size_t>(index - 1)]);
        if (field.isText()) return FormFieldKind::Text;
        if (field.isCheckbox()) return FormFieldKind::CheckBox;
    } catch (const std::exception&) {
    }
    return FormFieldKind::Other;
}

int PdfLibrary::SetFormFieldValue(int index, const QString& text) {
    if (index < 1 || index > FormFieldCount()) return 0;
    try {
        QPDFObjectHandle field = document_->fields[static_cast<size_t>(index - 1)];
        QPDFFormFieldObjectHelper helper(field);
        if (helper.isCheckbox())
            document_->SetCheckBox(field, text == "Yes");
        else
            document_->SetText(field, text);
        document_->AcroForm().replaceKey("/NeedAppearances", QPDFObjectHandle::newBool(true));
        return 1;
    } catch (const std::exception&) {
        return 0;
    }
}

int PdfLibrary::SaveToFile(const QString& path) {
    if (!document_) return 0;
    const QString target = files::HostPath(path);
    const QFileInfo targetInfo(target);
    if (target.isEmpty() || !targetInfo.dir().exists()) return 0;
    const QString temporary =
        targetInfo.dir().filePath("." + targetInfo.fileName() + "." + QUuid::createUuid().toString(QUuid::Id128));
    // The writer keeps the name's pointer until it is done: the bytes must outlive it.
    const QByteArray temporaryName = QFile::encodeName(temporary);
    try {
        QPDFWriter writer(document_->pdf, temporaryName.constData());
        writer.write();
    } catch (const std::exception&) {
        QFile::remove(temporary);
        return 0;
    }
    std::error_code error;
    std::filesystem::rename(temporaryName.toStdString(), QFile::encodeName(target).toStdString(), error);
    if (error) {
        QFile::remove(temporary);
        return 0;
    }
    return 1;
}

}  // namespace qvr
