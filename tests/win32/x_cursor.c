/* Writes the X server's current cursor as "WIDTHxHEIGHT hot X,Y" to a file: how the Windows
 * tests see which cursor Wine shows, since another process's cursor handles cannot be read.
 * Usage: x_cursor OUTPUT_FILE */
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
#include <stdio.h>

int main(int argc, char* argv[])
{
    if (argc < 2)
        return 2;
    Display* display = XOpenDisplay(NULL);
    if (!display)
        return 1;
    XFixesCursorImage* cursor = XFixesGetCursorImage(display);
    FILE* out = fopen(argv[1], "w");
    if (!cursor || !out)
        return 1;
    fprintf(out, "%dx%d hot %d,%d\n", cursor->width, cursor->height, cursor->xhot, cursor->yhot);
    fclose(out);
    XFree(cursor);
    XCloseDisplay(display);
    return 0;
}
