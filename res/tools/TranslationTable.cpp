// SPDX-License-Identifier: GPL-3.0-or-later
// Turns a Qt Linguist .ts file into a C++ header with a plain constexpr table (context, source, translation),
// so that the command-line tool and the window's --help speak the translation without loading Qt. Runs at
// build time only. Unfinished and vanished messages are left out: their source text is shown instead.
//   plenta-translation-table IN.ts OUT.h TABLE_NAME
#include <QFile>
#include <QString>
#include <QXmlStreamReader>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Message {
    QByteArray context;
    QByteArray source;
    QByteArray translation;
};

// A C++ string literal of any bytes: printable ASCII as it is, everything else as a three-digit octal escape,
// which never runs into the next character.
std::string Literal(const QByteArray &bytes) {
    std::string out = "\"";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && c != '"' && c != '\\' && c != '?') {
            out += c;
        } else {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\%03o", byte);
            out += escape;
        }
    }
    return out + "\"";
}

bool ReadMessages(QFile &file, std::vector<Message> &messages) {
    QXmlStreamReader xml(&file);
    QByteArray context;
    Message message;
    bool usable = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        const QStringView name = xml.name();
        if (name == u"name") {
            context = xml.readElementText().toUtf8();
        } else if (name == u"message") {
            message = Message{context, {}, {}};
        } else if (name == u"source") {
            message.source = xml.readElementText().toUtf8();
        } else if (name == u"translation") {
            const QStringView type = xml.attributes().value(QLatin1String("type"));
            usable = type.isEmpty();
            message.translation = xml.readElementText().toUtf8();
            if (usable && !message.translation.isEmpty()) {
                messages.push_back(message);
            }
        }
    }
    return !xml.hasError();
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 4) {
        std::fputs("usage: plenta-translation-table IN.ts OUT.h TABLE_NAME\n", stderr);
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    std::vector<Message> messages;
    if (!file.open(QIODevice::ReadOnly) || !ReadMessages(file, messages)) {
        std::fprintf(stderr, "plenta-translation-table: cannot read %s\n", argv[1]);
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << "// Generated from " << argv[1] << " by plenta-translation-table; edit the .ts file instead.\n"
        << "#pragma once\n\n#include <TranslatedText.h>\n\nnamespace plenta {\n\n"
        << "inline constexpr std::array<TranslatedText, " << messages.size() << "> " << argv[3] << "{{\n";
    for (const Message &message : messages) {
        out << "    {" << Literal(message.context) << ",\n     " << Literal(message.source) << ",\n     "
            << Literal(message.translation) << "},\n";
    }
    out << "}};\n\n} // namespace plenta\n";
    out.close();
    return out ? 0 : 1;
}
