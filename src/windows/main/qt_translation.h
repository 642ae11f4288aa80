#pragma once

#include <QString>

#include <memory>

class QTranslator;

namespace kx {

// Qt's own words (the file and print dialogs, context menus, standard
// buttons) in the language of the language file, from Qt's translations.
class QtTranslation
{
public:
    QtTranslation();
    ~QtTranslation();
    QtTranslation(const QtTranslation&) = delete;
    QtTranslation& operator=(const QtTranslation&) = delete;

    // Installs qtbase_<locale>, e.g. "de", in place of the one before; an
    // empty locale leaves Qt's words as Qt writes them.
    void use(const QString& locale);

private:
    std::unique_ptr<QTranslator> translator_;
    QString locale_;
};

} // namespace kx
