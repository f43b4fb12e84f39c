// The calculator as a web page: the sixteen controls of the control table made into the
// page's own elements (radio buttons, text inputs, a button) at their twip positions and in
// tab order, whose two events (START pressed, an option selected) it passes on to the
// window's presenter with a PageStore over them, as the desktop window does with its widgets. The page's script (page.js) opens
// it in the browser's language and notation, shows the error report and speaks the new answer.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstring>
#include <optional>
#include <string>

#include "presenter/layout_plan.h"
#include "presenter/window_presenter.h"
#include "user_texts/texts.h"
#include "web/page_store.h"
#include "web/translation_table.h"
#include "window_state/twips.h"

namespace combicalc {

namespace {

using emscripten::val;

// CSS pixels are 1/96 inch; the browser's zoom scales the whole page.
constexpr double kCssPixelsPerInch = 96;

struct Page {
    PageStore store;
    Notation notation;
    std::span<const TranslatedText> texts;  // the user's language's; none for English
};

Page& page() {
    static Page instance;
    return instance;
}

std::string translate(const char* context, const char* english) {
    for (const TranslatedText& text : page().texts) {
        if (std::strcmp(text.context, context) == 0 && std::strcmp(text.english, english) == 0) return text.translation;
    }
    return english;
}

val document() { return val::global("document"); }

val byId(std::string_view id) { return document().call<val>("getElementById", std::string(id)); }

val create(const char* tag, const char* className) {
    val element = document().call<val>("createElement", std::string(tag));
    element.set("className", std::string(className));
    return element;
}

void place(val& element, const PixelRect& pixels) {
    val style = element["style"];
    style.set("left", std::to_string(pixels.left) + "px");
    style.set("top", std::to_string(pixels.top) + "px");
    style.set("width", std::to_string(pixels.width) + "px");
    style.set("height", std::to_string(pixels.height) + "px");
}

std::string inPoints(double points) { return std::to_string(points) + "pt"; }

val createTextBox(const ControlPlan& plan) {
    val box = create("input", "box");
    box.set("type", std::string("text"));
    box.set("value", std::string(plan.row->initialText));
    box.set("maxLength", kMaxBoxTextLength);
    box.set("spellcheck", false);
    box.set("autocomplete", std::string("off"));
    // What a screen reader says, as on the desktop: the box's placeholder, then what it holds.
    box.call<void>("setAttribute", std::string("aria-label"), plan.accessibleName);
    if (!plan.description.empty()) box.set("title", plan.description);
    page().store.attach(static_cast<TextBox>(plan.row->index), box);
    return box;
}

// A label holding its radio button, so that a click on the caption selects it too.
val createOptionButton(const ControlRow& row) {
    val option = create("label", "option");
    val radio = create("input", "");
    radio.set("type", std::string("radio"));
    radio.set("name", std::string("mode"));
    radio.set("value", std::string(row.name));
    radio.call<void>("addEventListener", std::string("change"), val::module_property("optionChanged"));
    val caption = create("span", "caption");
    caption.set("textContent", std::string(row.initialText));
    option.call<void>("append", radio, caption);
    page().store.attach(static_cast<OptionButton>(row.index), radio);
    return option;
}

val createStartButton(const ControlRow& row) {
    val start = create("button", "start");
    start.set("type", std::string("button"));
    start.set("textContent", std::string(row.initialText));
    val style = start["style"];
    style.set("fontFamily", "\"" + std::string(kCommandFontFace) + "\", sans-serif");
    style.set("fontSize", std::to_string(kCommandFontPoints) + "pt");
    start.call<void>("addEventListener", std::string("click"), val::module_property("startClicked"));
    return start;
}

// Shows what the handler wrote, then what it left to show: its error's report, or the
// announcement.
void show(const HandlerOutcome& outcome) {
    page().store.showWrittenTexts();
    if (outcome.report) val::module_property("report")(*outcome.report);
    if (outcome.announcement) val::module_property("announce")(*outcome.announcement);
}

void startClicked(val /*event*/) { show(startPressed(page().store, page().notation)); }

// Whenever an option becomes selected, by a click, the keys or a screen reader, and only then.
void optionChanged(val event) {
    if (const auto option = optionNamed(event["target"]["value"].as<std::string>())) {
        show(optionSelected(page().store, *option));
    }
}

// Every option keeps the same font, shrunk in half points until each caption shows in full
// inside its button; words that do not fit on one line go on the next.
void fitCaptions(val& modes) {
    const val options = modes.call<val>("querySelectorAll", std::string(".option"));
    const auto count = options["length"].as<std::size_t>();
    fittedCaptionPoints(kLayoutFontPoints, [&](double points) {
        modes["style"].set("fontSize", inPoints(points));
        for (std::size_t i = 0; i < count; ++i) {
            const val option = options[i];
            if (option["scrollWidth"].as<int>() > option["clientWidth"].as<int>() ||
                option["scrollHeight"].as<int>() > option["clientHeight"].as<int>()) {
                return false;
            }
        }
        return true;
    });
}

// The languages the page is translated into, as the .ts files name them ("de", "pt_BR").
val languages() {
    val codes = val::array();
    for (const TranslatedLanguage& language : translatedLanguages()) codes.call<void>("push", std::string(language.code));
    return codes;
}

// Builds the window into the page's element "Form1" in `language` (one of languages(), or
// "" for English) with the numbers as the user's locale writes them: its decimal and group
// separators and an array of its ten digits (ASCII digits where it holds other than ten).
void openWindow(const std::string& language,
                const std::string& decimalSeparator,
                const std::string& groupSeparator,
                const val& digits) {
    for (const TranslatedLanguage& translation : translatedLanguages()) {
        if (translation.code == language) page().texts = translation.texts;
    }
    std::array<std::string, 10> localDigits = Notation().digits;
    if (digits["length"].as<std::size_t>() == localDigits.size()) {
        for (std::size_t digit = 0; digit < localDigits.size(); ++digit) localDigits[digit] = digits[digit].as<std::string>();
    }
    page().notation = localeNotation(decimalSeparator, groupSeparator, localDigits);
    installTranslation(translate, [](std::string_view plain) { return inNotation(plain, page().notation); });

    const LayoutPlan plan = planLayout(kCssPixelsPerInch);
    // The window's font, the captions' faces first, at the size the layout was made for.
    std::string faces;
    for (const std::string_view face : kCaptionFontFaces) faces += "\"" + std::string(face) + "\", ";
    document()["body"]["style"].set("fontFamily", faces + "sans-serif");
    document()["body"]["style"].set("fontSize", inPoints(kLayoutFontPoints));
    val window = byId(kWindowTitle);
    place(window, plan.window);
    // The option buttons share a group, so that screen readers announce them as one and the
    // arrow keys move the selection among them; it lies where they lie, so that their
    // positions hold inside it too.
    val modes = create("div", "modes");
    modes.call<void>("setAttribute", std::string("role"), std::string("radiogroup"));
    modes.call<void>("setAttribute", std::string("aria-label"), plan.modeGroupName);
    place(modes, plan.modeGroup);
    window.call<void>("append", modes);
    for (const ControlPlan& planned : plan.controls) {
        val control = val::null();
        switch (planned.row->kind) {
            case ControlKind::TextBox: control = createTextBox(planned); break;
            case ControlKind::OptionButton: control = createOptionButton(*planned.row); break;
            case ControlKind::CommandButton: control = createStartButton(*planned.row); break;
        }
        control.set("id", std::string(planned.row->name));
        control.set("hidden", !planned.visible);
        place(control, planned.rect);
        (planned.row->kind == ControlKind::OptionButton ? modes : window).call<void>("append", control);
    }
    fitCaptions(modes);
    document().set("title", std::string(kWindowTitle));
    byId("window-title").set("textContent", std::string(kWindowTitle));  // what a screen reader's heading keys find
    val report = byId("report");
    report.call<void>("setAttribute", std::string("aria-label"), translated(texts::kErrorReport));
    byId("report-title").set("textContent", std::string(kWindowTitle));
    byId("report-ok").set("textContent", translated(texts::kOk));
}

}  // namespace

}  // namespace combicalc

EMSCRIPTEN_BINDINGS(combicalc_page) {
    emscripten::function("languages", &combicalc::languages);
    emscripten::function("openWindow", &combicalc::openWindow);
    emscripten::function("startClicked", &combicalc::startClicked);
    emscripten::function("optionChanged", &combicalc::optionChanged);
}
