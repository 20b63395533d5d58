// SPDX-License-Identifier: MIT
#include "resources/Language.h"

#include "base/SettingsKeys.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <string>

namespace tesseran {

namespace {

Language current = Language::Japanese;

// The translators in use, replaced when the language changes.
std::unique_ptr<QTranslator>& ProgramTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}
std::unique_ptr<QTranslator>& QtTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

}  // namespace

QString LanguageCode(Language language) {
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("ja");
}

Language ChosenLanguage(SettingsStore& settings) {
    const std::string stored = settings.Read(setting::LanguageChoice);
    if (stored == "ja") return Language::Japanese;
    if (stored == "en") return Language::English;
    return QLocale::system().name().startsWith(QStringLiteral("ja")) ? Language::Japanese : Language::English;
}

Language CurrentLanguage() { return current; }

QTranslator* ProgramTranslation() { return ProgramTranslator().get(); }

bool UseLanguage(Language language) {
    for (auto* slot : {&ProgramTranslator(), &QtTranslator()}) {
        if (*slot) QCoreApplication::removeTranslator(slot->get());
        slot->reset();
    }
    current = language;
    bool complete = true;
    auto program = std::make_unique<QTranslator>();
    if (program->load(QStringLiteral(":/translations/tesseran_%1.qm").arg(LanguageCode(language)))) {
        QCoreApplication::installTranslator(program.get());
        ProgramTranslator() = std::move(program);
    } else {
        complete = false;
    }
    // Qt speaks English by itself; Japanese it learns from its translation.
    if (language == Language::Japanese) {
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt.get());
            QtTranslator() = std::move(qt);
        } else {
            complete = false;
        }
    }
    return complete;
}

QString Translated(const char* context, std::string_view text) {
    const std::string source(text);
    return QCoreApplication::translate(context, source.c_str());
}

}  // namespace tesseran
