// A font of the shared tables as CSS: the face the layouts are measured in, then faces with the
// same metrics for systems without it.
export const fontCss = (font) =>
    `${font.bold ? "bold " : ""}${font.points}pt "${font.face}", "Liberation Sans", Arimo, Arial, sans-serif`;
