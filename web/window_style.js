import { fontCss } from "./window_font.js";

// Hands the shared facts the style sheet draws with to it, as custom properties of the page:
// the windows' dialog font (--dialog-font) and the results' colours (--result-background,
// --result-text). The style sheet keeps only what is the page's own.
export function applyWindowStyle(facts) {
    const root = document.documentElement.style;
    const rgb = ([red, green, blue]) => `rgb(${red} ${green} ${blue})`;
    root.setProperty("--dialog-font", fontCss(facts.fonts.dialog));
    root.setProperty("--result-background", rgb(facts.colours.resultBackground));
    root.setProperty("--result-text", rgb(facts.colours.resultText));
}
