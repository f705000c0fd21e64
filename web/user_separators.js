// The decimal and group separators of the browser's first language, in that language's own
// digits (Arabic has its own separators), as the desktop reads its user's locale. A language
// the browser does not know reads as English.
export function userSeparators() {
    const languages = (navigator.languages && navigator.languages.length) ? navigator.languages : [navigator.language];
    let parts;
    try {
        parts = new Intl.NumberFormat(languages).formatToParts(12345.5);
    } catch (unknownLanguage) {
        parts = new Intl.NumberFormat("en").formatToParts(12345.5);
    }
    const partOf = (type) => (parts.find((part) => part.type === type) || { value: "" }).value;
    return { decimal: partOf("decimal") || ".", group: partOf("group") };
}
