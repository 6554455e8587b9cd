#include "gui/gui_text.h"

#include <QFile>

#include "render/page_renderer.h"
#include "text/cp1251.h"
#include "text/file_io.h"

namespace vellex {

// One conversion for the window and the renderer.
QString toQString(std::string_view cp1251) {
    return fromCp1251(cp1251);
}

QString fromUtf8(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

bool toCp1251(const QString& text, std::string& out, QString* refused) {
    const std::u16string_view wide(reinterpret_cast<const char16_t*>(text.utf16()),
                                   static_cast<size_t>(text.size()));
    cp1251::Conversion c = cp1251::fromUtf16(wide);
    if (!c.ok()) {
        if (refused) {
            refused->clear();
            for (char32_t ch : c.unmappable) {
                refused->append(QString::fromUcs4(&ch, 1));
            }
            // A lone surrogate is malformed input rather than an unmappable character.
            if (refused->isEmpty()) {
                refused->append(QChar(0xFFFD));
            }
        }
        return false;
    }
    out = std::move(c.bytes);
    return true;
}

QString refusedCharactersMessage(const QString& refused) {
    QString shown;
    for (qsizetype i = 0; i < refused.size();) {
        const char32_t ch = refused.at(i).isHighSurrogate() && i + 1 < refused.size()
                                ? QChar::surrogateToUcs4(refused.at(i), refused.at(i + 1))
                                : refused.at(i).unicode();
        const int len = ch > 0xFFFF ? 2 : 1;
        if (!shown.isEmpty()) {
            shown += QStringLiteral(", ");
        }
        shown += QStringLiteral("«%1» (U+%2)")
                     .arg(refused.mid(i, len), QString::number(static_cast<uint>(ch), 16)
                                                   .toUpper()
                                                   .rightJustified(4, QChar(u'0')));
        i += len;
    }
    return QStringLiteral(
               "Символ %1 нельзя сохранить в документе: документы хранятся в кодировке "
               "Windows-1251, в которой его нет. Текст поля не изменён.")
        .arg(shown);
}

// File names are bytes in the locale's encoding; Qt knows which.
QString pathToQString(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

std::filesystem::path pathFromQString(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

}  // namespace vellex
