#include "windows/main/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kx {

QtTranslation::QtTranslation() = default;

QtTranslation::~QtTranslation()
{
    use(QString());
}

void QtTranslation::use(const QString& locale)
{
    // Every change makes each window retranslate and repaint: a reload in
    // the same language keeps what it has.
    if (locale == locale_)
        return;
    locale_ = locale;
    if (translator_) {
        QCoreApplication::removeTranslator(translator_.get());
        translator_.reset();
    }
    const QLocale language(locale);
    if (locale.isEmpty() || language.language() == QLocale::C)
        return;
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(translator.get()))
        translator_ = std::move(translator);
}

} // namespace kx
