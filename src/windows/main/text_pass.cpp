#include "windows/main/text_pass.h"

#include "rules/run_error.h"
#include "rules/text_pass_parser.h"
#include "windows/forms/forms.h"
#include "windows/main/main_window.h"
#include "windows/main/qt_translation.h"

namespace kx {

void runTextPass(Forms& forms, MainWindow& main, QtTranslation& qtWords)
{
    Wording& wording = forms.wording();
    TextPassOutcome outcome = parseTextPass(wording, folderReader(forms.textFolder()));
    requireEverySection(outcome, wording.languageFile);
    forms.document().setFeatureCodes(wording.featureCodes());
    forms.rememberWording(outcome.assignments);
    // In the pass's order: a window is created by the first text it gets.
    QList<TextAssignment> others;
    const auto flush = [&] {
        forms.applyTexts(others);
        others.clear();
    };
    for (const TextAssignment& text : outcome.assignments) {
        if (text.window == QLatin1String("wMain")) {
            flush();
            main.applyText(text);
        } else {
            others.append(text);
        }
    }
    flush();
    main.wordCommands();
    qtWords.use(wording.locale[LocaleName]);
    if (outcome.failure != 0)
        throw RunError(outcome.failure, outcome.reason);
}

} // namespace kx
