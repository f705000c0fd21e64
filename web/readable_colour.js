// `preferred` ([red, green, blue]) as a CSS colour that reads on `element`'s background, made
// darker or lighter by the shared rule where it would not; null under forced colours, where the
// system's link colour is used.
export function readableColour(native, preferred, element) {
    if (window.matchMedia("(forced-colors: active)").matches)
        return null;
    const rgb = (text) => (text.match(/\d+/g) || [0, 0, 0]).slice(0, 3).map(Number);
    const packed = ([red, green, blue]) => (red << 16) | (green << 8) | blue;
    const background = packed(rgb(getComputedStyle(element).backgroundColor));
    const colour = native.readableLinkColour(packed(preferred), background);
    return `#${colour.toString(16).padStart(6, "0")}`;
}
