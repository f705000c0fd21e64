// What the page's script calls in WebAssembly: the refresh cycle over the six fields of the page
// (web/edit_field.h), and the About window's behaviour, lifetime and link colour. (The window
// facts are in the page itself: web/window_facts_main.cpp.) Texts cross as UTF-8; a returned text
// stays valid until the next call that returns one.

#include "web/about_record.h"
#include "web/edit_field.h"

#include "app/about_behaviour.h"
#include "app/about_layout.h"
#include "app/about_lifetime.h"
#include "app/angle_paste.h"
#include "app/click_rule.h"
#include "app/colour_contrast.h"
#include "app/form_fields.h"
#include "app/refresh_cycle.h"

#include <emscripten/emscripten.h>

#include <array>
#include <memory>
#include <string>

using namespace tarvola;

namespace {

// The page's six fields, Text1 to Text6, in tab order.
EditField FieldOf(int index)
{
    return EditField(index, kFormFields[static_cast<std::size_t>(index)].defaults.maxLength);
}

struct Page {
    std::array<EditField, 6> edits {FieldOf(0), FieldOf(1), FieldOf(2), FieldOf(3), FieldOf(4), FieldOf(5)};
    const RefreshFields fields {edits[0], edits[1], edits[2], edits[3], edits[4], edits[5]};
    LocaleSeparators separators {",", "."};
    std::string returned;

    std::unique_ptr<AboutRecord> about;
    std::unique_ptr<AboutBehaviour> behaviour;
    ClickRule clickRule;
    AboutLifetime lifetime {[this]() -> AboutWindow* {
        about = std::make_unique<AboutRecord>();
        behaviour = std::make_unique<AboutBehaviour>(*about);
        clickRule = {};
        return about.get();
    }};

    const char* give(std::string text)
    {
        returned = std::move(text);
        return returned.c_str();
    }
};

Page& ThePage()
{
    static Page page;
    return page;
}

// The pasted text, however long, crosses through the heap rather than the small stack that a
// string argument would take.
EM_JS(int, tarvola_page_pasted_length, (), { return lengthBytesUTF8(Module["pastedText"] || ""); });
EM_JS(void, tarvola_page_pasted_copy, (char* out, int size), { stringToUTF8(Module["pastedText"] || "", out, size); });

std::string PastedText()
{
    const int length = tarvola_page_pasted_length();
    std::string text(static_cast<std::size_t>(length) + 1, '\0'); // and the NUL the copy ends with
    tarvola_page_pasted_copy(text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

[[nodiscard]] AboutControl ControlOf(int id)
{
    return id >= 0 && id <= static_cast<int>(AboutControl::Label5) ? static_cast<AboutControl>(id)
                                                                   : AboutControl::Background;
}

} // namespace

extern "C" {

// The user's separators, for every reading and writing that follows.
EMSCRIPTEN_KEEPALIVE void tarvola_set_separators(const char* decimal, const char* group)
{
    ThePage().separators = {decimal ? decimal : "", group ? group : ""};
}

// The page's fields, once the script has handed them over, take their default texts as the
// separators show them: what the window does as it opens.
EMSCRIPTEN_KEEPALIVE void tarvola_write_default_texts()
{
    Page& page = ThePage();
    WriteDefaultTexts(page.fields, page.separators);
}

// One tick of the refresh cycle over the page's six fields.
EMSCRIPTEN_KEEPALIVE void tarvola_refresh_tick()
{
    Page& page = ThePage();
    RunRefreshTick(page.fields, page.separators);
}

// A paste into the field at `index` (tab order, 0 for Text1) of the text the script holds in
// Module.pastedText: 1 when the shared rule dealt with it (an angle written into its converter's
// fields, or an angle text refused), 0 when the field should paste it as it always did.
EMSCRIPTEN_KEEPALIVE int tarvola_paste(int index)
{
    Page& page = ThePage();
    if (index < 0 || index >= static_cast<int>(kFormFields.size()))
        return 0;
    try {
        return PasteIntoForm(kFormFields[static_cast<std::size_t>(index)].control, PastedText(), page.fields,
                             page.separators)
            ? 1 : 0;
    } catch (...) {
        return 1; // out of memory: nothing changes, as for a refused paste
    }
}

// The About command: 1 when the page must make a new About window, 0 when it shows the one it has.
EMSCRIPTEN_KEEPALIVE int tarvola_about_command()
{
    Page& page = ThePage();
    const AboutWindow* before = page.lifetime.window();
    page.lifetime.showAbout();
    return page.lifetime.window() != before ? 1 : 0;
}

// The page's About window is gone.
EMSCRIPTEN_KEEPALIVE void tarvola_about_gone()
{
    Page& page = ThePage();
    page.lifetime.windowGone();
    page.behaviour.reset();
    page.about.reset();
}

// The About control (AboutControl's value) at a point of its client area in CSS pixels.
EMSCRIPTEN_KEEPALIVE int tarvola_about_control_at(int x, int y)
{
    return static_cast<int>(AboutControlAtPixel(x, y, 96));
}

// What the pointer and keys do in the About window; afterwards the page reads the underlines
// and takes the link to open and whether to close.
EMSCRIPTEN_KEEPALIVE void tarvola_about_pointer_moved(int control)
{
    if (AboutBehaviour* behaviour = ThePage().behaviour.get())
        behaviour->pointerMoved(ControlOf(control));
}

EMSCRIPTEN_KEEPALIVE void tarvola_about_pressed(int control)
{
    ThePage().clickRule.pressed(ControlOf(control));
}

EMSCRIPTEN_KEEPALIVE void tarvola_about_double_clicked()
{
    ThePage().clickRule.doubleClicked();
}

EMSCRIPTEN_KEEPALIVE void tarvola_about_released(int control)
{
    Page& page = ThePage();
    const AboutControl clicked = page.clickRule.released(ControlOf(control));
    if (clicked != AboutControl::Background && page.behaviour)
        page.behaviour->clicked(clicked);
}

// A click that comes from the keyboard (Enter on a link, Enter or Space on OK).
EMSCRIPTEN_KEEPALIVE void tarvola_about_activated(int control)
{
    if (AboutBehaviour* behaviour = ThePage().behaviour.get())
        behaviour->clicked(ControlOf(control));
}

// Space or Enter on the focused control; 1 when the key was used.
EMSCRIPTEN_KEEPALIVE int tarvola_about_key(int focused, int autoRepeat)
{
    AboutBehaviour* behaviour = ThePage().behaviour.get();
    return behaviour && behaviour->activatedByKey(ControlOf(focused), autoRepeat != 0) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int tarvola_about_underlines()
{
    const AboutRecord* about = ThePage().about.get();
    return about ? about->underlines() : 0;
}

// The link to open, or an empty text.
EMSCRIPTEN_KEEPALIVE const char* tarvola_about_take_link()
{
    Page& page = ThePage();
    return page.give(page.about ? page.about->takeLink().value_or("") : "");
}

EMSCRIPTEN_KEEPALIVE int tarvola_about_take_close()
{
    AboutRecord* about = ThePage().about.get();
    return about && about->takeCloseAsked() ? 1 : 0;
}

// The links' colour on a background (0xRRGGBB each), made readable as on the desktop.
EMSCRIPTEN_KEEPALIVE int tarvola_readable_link_colour(int preferred, int background)
{
    const auto rgb = [](int value) {
        return Rgb {static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
                    static_cast<std::uint8_t>(value)};
    };
    const Rgb readable = ReadableOn(rgb(preferred), rgb(background));
    return readable.red << 16 | readable.green << 8 | readable.blue;
}

} // extern "C"
