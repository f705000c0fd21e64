// A font of the shared tables as CSS: its face, then faces with the same metrics for systems
// without it (the page's own fallbacks, which it writes only here).
export const fontCss = (font) =>
    `${font.bold ? "bold " : ""}${font.points}pt "${font.face}", "Liberation Sans", Arimo, Arial, sans-serif`;
