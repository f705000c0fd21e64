/* Writes the X server's current cursor as "WIDTHxHEIGHT hot X,Y" to a file: how the Windows
 * tests see which cursor Wine shows, since another process's cursor handles cannot be read.
 * Says on standard error why it could not, and exits non-zero then.
 * Usage: x_cursor OUTPUT_FILE */
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
#include <stdio.h>

int main(int argc, char* argv[])
{
    if (argc < 2) {
        fprintf(stderr, "usage: x_cursor OUTPUT_FILE\n");
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "x_cursor: cannot open the display %s\n", XDisplayName(NULL));
        return 1;
    }
    int event_base = 0, error_base = 0;
    XFixesCursorImage* cursor = XFixesQueryExtension(display, &event_base, &error_base) ? XFixesGetCursorImage(display) : NULL;
    if (!cursor) {
        fprintf(stderr, "x_cursor: the X server gives no cursor image (XFixes)\n");
        return 1;
    }
    FILE* out = fopen(argv[1], "w");
    if (!out) {
        perror(argv[1]);
        return 1;
    }
    fprintf(out, "%dx%d hot %d,%d\n", cursor->width, cursor->height, cursor->xhot, cursor->yhot);
    fclose(out);
    XFree(cursor);
    XCloseDisplay(display);
    return 0;
}
