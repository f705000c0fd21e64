// What the page's script calls in WebAssembly: the window facts, the refresh cycle over the six
// fields, and the About window's behaviour, lifetime and link colour. Texts cross as UTF-8; a
// returned text stays valid until the next call that returns one.

#include "web/about_record.h"
#include "web/window_facts.h"

#include "app/about_behaviour.h"
#include "app/about_layout.h"
#include "app/about_lifetime.h"
#include "app/click_rule.h"
#include "app/colour_contrast.h"
#include "app/field_defaults.h"
#include "app/form_fields.h"
#include "app/memory_form.h"
#include "app/refresh_cycle.h"

#include <emscripten/emscripten.h>

#include <array>
#include <memory>
#include <string>

using namespace tarvola;

namespace {

struct Page {
    MemoryForm form;
    LocaleSeparators separators {",", "."};
    std::string returned;

    std::unique_ptr<AboutRecord> about;
    std::unique_ptr<AboutBehaviour> behaviour;
    ClickRule clicks;
    AboutLifetime lifetime {[this]() -> AboutWindow* {
        about = std::make_unique<AboutRecord>();
        behaviour = std::make_unique<AboutBehaviour>(*about);
        clicks = {};
        return about.get();
    }};

    [[nodiscard]] MemoryTextField* field(int index)
    {
        const std::array<MemoryTextField*, 6> fields {&form.text1, &form.text2, &form.text3,
                                                      &form.text4, &form.text5, &form.text6};
        return index >= 0 && index < 6 ? fields[static_cast<std::size_t>(index)] : nullptr;
    }
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

[[nodiscard]] AboutControl ControlOf(int id)
{
    return id >= 0 && id <= static_cast<int>(AboutControl::Label5) ? static_cast<AboutControl>(id)
                                                                   : AboutControl::Background;
}

} // namespace

extern "C" {

// The facts of both windows as JSON (web/window_facts.h).
EMSCRIPTEN_KEEPALIVE const char* tarvola_window_facts()
{
    return ThePage().give(WindowFactsJson());
}

// The user's separators, for every reading and writing that follows.
EMSCRIPTEN_KEEPALIVE void tarvola_set_separators(const char* decimal, const char* group)
{
    ThePage().separators = {decimal ? decimal : "", group ? group : ""};
}

// Field `index` (0 to 5, Text1 to Text6) takes its default text as the separators show it.
EMSCRIPTEN_KEEPALIVE void tarvola_reset_field(int index)
{
    Page& page = ThePage();
    if (MemoryTextField* field = page.field(index))
        field->write(LocalDefaultText(kFormFields[static_cast<std::size_t>(index)].defaults, page.separators));
}

// The text the user left in field `index`; an index out of range is ignored.
EMSCRIPTEN_KEEPALIVE void tarvola_set_field(int index, const char* text)
{
    if (MemoryTextField* field = ThePage().field(index))
        field->type(text ? text : "");
}

// The text of field `index` after the refresh cycle; empty for an index out of range.
EMSCRIPTEN_KEEPALIVE const char* tarvola_field_text(int index)
{
    Page& page = ThePage();
    const MemoryTextField* field = page.field(index);
    return page.give(field ? field->text() : std::string());
}

// One tick of the refresh cycle over the six fields.
EMSCRIPTEN_KEEPALIVE void tarvola_refresh_tick()
{
    Page& page = ThePage();
    RunRefreshTick(page.form.fields, page.separators);
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
    ThePage().clicks.pressed(ControlOf(control));
}

EMSCRIPTEN_KEEPALIVE void tarvola_about_double_clicked()
{
    ThePage().clicks.doubleClicked();
}

EMSCRIPTEN_KEEPALIVE void tarvola_about_released(int control)
{
    Page& page = ThePage();
    const AboutControl clicked = page.clicks.released(ControlOf(control));
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
