#include "win32/about_artwork.h"

#include "win32/resource_ids.h"

#include <initializer_list>

namespace tarvola::win32 {

namespace {

HICON LoadIconSized(HINSTANCE instance, int id, int size)
{
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0));
}

} // namespace

AboutArtwork::AboutArtwork(HINSTANCE instance)
    : m_instance(instance)
{
    for (int scale : {0, 1}) {
        m_donation[scale] = static_cast<HBITMAP>(
            LoadImageW(instance, MAKEINTRESOURCEW(scale ? IDB_DONATION_2X : IDB_DONATION), IMAGE_BITMAP, 0, 0, 0));
        m_banner[scale] = static_cast<HBITMAP>(
            LoadImageW(instance, MAKEINTRESOURCEW(scale ? IDB_BANNER_2X : IDB_BANNER), IMAGE_BITMAP, 0, 0, 0));
    }
    // LoadImage with no size keeps the cursor's own size and hot spot; LoadCursor would scale
    // both to the system's cursor size.
    m_hand = static_cast<HCURSOR>(LoadImageW(instance, MAKEINTRESOURCEW(IDC_HAND_CURSOR), IMAGE_CURSOR, 0, 0, 0));
}

AboutArtwork::~AboutArtwork()
{
    for (HBITMAP bitmap : {m_donation[0], m_donation[1], m_banner[0], m_banner[1]})
        if (bitmap)
            DeleteObject(bitmap);
    for (HICON icon : {m_icon, m_mailIcon})
        if (icon)
            DestroyIcon(icon);
    if (m_hand)
        DestroyCursor(m_hand);
}

void AboutArtwork::useDpi(int dpi)
{
    // The drawing at twice the size past 1.41 (the square root of 2) times 96 DPI. The icons at
    // their own size, which Windows makes from the nearest of their images.
    m_scale = dpi * dpi > 2 * 96 * 96 ? 1 : 0;
    HICON icon = LoadIconSized(m_instance, IDI_ICON1, MulDiv(48, dpi, 96));
    HICON mail = LoadIconSized(m_instance, IDI_MAIL, MulDiv(32, dpi, 96));
    for (HICON old : {m_icon, m_mailIcon})
        if (old)
            DestroyIcon(old);
    m_icon = icon;
    m_mailIcon = mail;
}

} // namespace tarvola::win32
