#include "web/window_facts.h"

#include "app/about_behaviour.h"
#include "app/about_layout.h"
#include "app/about_links.h"
#include "app/accessible_names.h"
#include "app/field_defaults.h"
#include "app/form_fields.h"
#include "app/form_layout.h"
#include "app/refresh_cycle.h"
#include "app/window_colours.h"
#include "app/window_fonts.h"
#include "app/window_texts.h"

#include <cstdio>

namespace tarvola {
namespace {

// The page's pixels: one CSS pixel is a pixel at 96 DPI, which browser zoom scales.
constexpr int kCssDotsPerInch = 96;

// The separators of the page's own language, English, under which the window is first drawn:
// the fields' defaults then stand as in the defaults' table, and the module writes the user's
// own once it has read their separators.
const LocaleSeparators kPageLanguageSeparators {".", ","};

// A JSON writer just big enough for the facts: strings, numbers, arrays and objects.
class Json {
public:
    Json& text(std::string_view value)
    {
        separate();
        m_out += '"';
        for (const char c : value) {
            if (c == '"' || c == '\\') {
                m_out += '\\';
                m_out += c;
            } else if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                m_out += escaped;
            } else {
                m_out += c;
            }
        }
        m_out += '"';
        return *this;
    }
    Json& number(double value)
    {
        separate();
        char digits[32];
        std::snprintf(digits, sizeof digits, "%.17g", value);
        m_out += digits;
        return *this;
    }
    Json& boolean(bool value)
    {
        separate();
        m_out += value ? "true" : "false";
        return *this;
    }
    Json& null()
    {
        separate();
        m_out += "null";
        return *this;
    }
    Json& key(std::string_view name)
    {
        text(name);
        m_out += ':';
        m_afterKey = true;
        return *this;
    }
    Json& open(char bracket)
    {
        separate();
        m_out += bracket;
        m_first = true;
        return *this;
    }
    Json& close(char bracket)
    {
        m_out += bracket;
        m_first = false;
        return *this;
    }
    Json& rect(const Rect& twips)
    {
        const Rect pixels = PixelsOf(twips, kCssDotsPerInch);
        open('[').number(pixels.left).number(pixels.top).number(pixels.width).number(pixels.height);
        return close(']');
    }
    Json& colour(Rgb rgb)
    {
        open('[').number(rgb.red).number(rgb.green).number(rgb.blue);
        return close(']');
    }
    Json& font(const FontDescription& font)
    {
        open('{').key("face").text(font.face).key("points").number(font.points).key("bold").boolean(font.bold);
        return close('}');
    }
    [[nodiscard]] std::string str() const { return m_out; }

private:
    void separate()
    {
        if (!m_first && !m_afterKey)
            m_out += ',';
        m_first = false;
        m_afterKey = false;
    }

    std::string m_out;
    bool m_first = true;
    bool m_afterKey = false;
};

std::string_view KindName(FormControlKind kind)
{
    switch (kind) {
    case FormControlKind::Frame: return "frame";
    case FormControlKind::Header: return "header";
    case FormControlKind::Field: return "field";
    case FormControlKind::UnitMark: return "unitMark";
    }
    return {};
}

void WriteForm(Json& json)
{
    json.key("client").rect(kFormClient);
    json.key("controls").open('[');
    for (const FormPlace& place : kFormLayout) {
        json.open('{').key("name").text(place.name).key("kind").text(KindName(place.kind));
        json.key("container");
        if (place.container == place.control)
            json.null();
        else
            json.text(PlaceOf(place.container).name);
        json.key("rect").rect(place.rect).key("text").text(TextOf(place.control));
        json.key("font").font(FontOf(place.kind)).close('}');
    }
    json.close(']');
    // In tab order, which is the order in which the module's fields (web/edit_field.h) find them.
    json.key("fields").open('[');
    for (const FormField& field : kFormFields) {
        json.open('{').key("name").text(PlaceOf(field.control).name);
        json.key("maxLength");
        if (field.defaults.maxLength)
            json.number(*field.defaults.maxLength);
        else
            json.null();
        json.key("accessibleName").text(field.accessibleName).key("readOnly").boolean(field.readOnly);
        json.key("firstText").text(LocalDefaultText(field.defaults, kPageLanguageSeparators));
        json.close('}');
    }
    json.close(']');
}

void WriteAbout(Json& json)
{
    json.key("caption").text(kAboutCaption).key("client").rect(kAboutClient);
    json.key("controls").open('[');
    for (const AboutPlace& place : kAboutLayout) {
        json.open('{').key("name").text(place.name).key("id").number(static_cast<int>(place.control));
        json.key("container").text(PlaceOf(place.container).name).key("rect").rect(place.rect);
        json.key("hand").boolean(AboutBehaviour::showsHand(place.control));
        json.key("tab").number(place.tab).close('}');
    }
    json.close(']');
    json.key("texts").open('{')
        .key("Label3").text(kAboutTitle)
        .key("Label5").text(kAboutVersion)
        .key("Command1").text(kOkText)
        .key("Label1").text(kShownMailAddress)
        .key("Label2").text(SiteAddressText())
        .close('}');
    json.key("names").open('{')
        .key("Picture1").text(kProgramIconName)
        .key("PictureDon").text(kDonationPictureName)
        .key("Mail").text(kMailLinkName)
        .key("SiteUlvo").text(kSiteLinkName)
        .close('}');
    json.key("links").open('{')
        .key("Mail").text(MailLink().target)
        .key("SiteUlvo").text(WebSiteLink().target)
        .key("PictureDon").text(DonationLink().target)
        .close('}');
}

} // namespace

std::string WindowFactsJson()
{
    Json json;
    json.open('{');
    json.key("caption").text(kMainCaption);
    json.key("aboutMenuEntry").text(kAboutMenuEntry).key("intervalMs").number(kRefreshIntervalMs);
    json.key("fonts").open('{')
        .key("dialog").font(kDialogFont)
        .key("title").font(kTitleFont)
        .key("version").font(kVersionFont)
        .key("fitStepPoints").number(kFitStepPoints)
        .key("smallestFittedPoints").number(kSmallestFittedPoints)
        .close('}');
    json.key("colours").open('{')
        .key("resultBackground").colour(kResultBackground)
        .key("resultText").colour(kResultText)
        .key("link").colour(kLinkColour)
        .close('}');
    json.key("form").open('{');
    WriteForm(json);
    json.close('}');
    json.key("about").open('{');
    WriteAbout(json);
    json.close('}');
    json.close('}');
    return json.str();
}

} // namespace tarvola
