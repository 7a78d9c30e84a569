// SPDX-License-Identifier: GPL-3.0-or-later
// Painting picture boxes, frames, labels and shapes from the model.
#include "ControlPainter.h"

#include "PixelLayout.h"
#include "Utf16.h"

#include <algorithm>
#include <string>

namespace kelvara {

namespace {

COLORREF toColorRef(const Rgb& rgb) {
    return RGB(rgb.red, rgb.green, rgb.blue);
}

void fill(HDC dc, const RECT& rect, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

RECT toRect(const PixelRect& r) {
    return {r.left, r.top, r.left + r.width, r.top + r.height};
}

// What shows behind a control that paints no background of its own: its
// container's.
COLORREF behind(const Control& control) {
    const Control* container = control.parent();
    if (container != nullptr && container->look().backColor) {
        return toColorRef(*container->look().backColor);
    }
    return GetSysColor(COLOR_BTNFACE);
}

void paintPictureBox(HDC dc, const RECT& client, const Control& box, bool focused) {
    const Appearance& look = box.look();
    fill(dc, client, look.backColor ? toColorRef(*look.backColor) : GetSysColor(COLOR_BTNFACE));
    if (focused) {
        // A dotted outline just inside the border; the area itself stays as it is.
        SetTextColor(dc, RGB(255, 255, 255));
        SetBkColor(dc, RGB(0, 0, 0));
        DrawFocusRect(dc, &client);
    }
}

void paintFrame(HDC dc, const RECT& client, const Control& frame, HFONT font) {
    fill(dc, client, behind(frame));
    const std::wstring caption = toUtf16(frame.caption());
    HGDIOBJ old = SelectObject(dc, font);
    SIZE text{};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
    RECT edge = client;
    edge.top += text.cy / 2;
    DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
    if (!caption.empty()) {
        const int indent = text.cy / 2;
        RECT band{client.left + indent, client.top, client.left + indent + text.cx + 4,
                  client.top + text.cy};
        fill(dc, band, behind(frame));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        band.left += 2;
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &band,
                  DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    }
    SelectObject(dc, old);
}

void paintShape(HDC dc, const RECT& client, const Control& shape) {
    const Appearance& look = shape.look();
    fill(dc, client, look.fillColor ? toColorRef(*look.fillColor) : behind(shape));
    if (look.borderColor) {
        HBRUSH brush = CreateSolidBrush(toColorRef(*look.borderColor));
        FrameRect(dc, &client, brush);
        DeleteObject(brush);
    }
}

void paintLabel(HDC dc, const RECT& client, const Control& label, const PaintContext& context) {
    const LabelPlace place = labelPlace(context.form, label, context.scale);
    const Appearance& look = label.look();
    fill(dc, client, behind(label));
    const RECT body = toRect(place.body);
    if (look.backColor) {
        fill(dc, body, toColorRef(*look.backColor));
    }
    const std::wstring caption = toUtf16(label.caption());
    const int length = static_cast<int>(caption.size());
    const int wanted =
        context.scale.pointsToPixels(look.font ? look.font->points : defaultFontPoints);
    const int fitted = fittedPixelSize(wanted, client.right - client.left, [&](int pixelSize) {
        HFONT trial = createControlFont(look, context.scale, pixelSize);
        HGDIOBJ old = SelectObject(dc, trial);
        SIZE size{};
        GetTextExtentPoint32W(dc, caption.c_str(), length, &size);
        SelectObject(dc, old);
        DeleteObject(trial);
        return static_cast<int>(size.cx);
    });
    HFONT font = createControlFont(look, context.scale, fitted);
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, look.foreColor ? toColorRef(*look.foreColor) : GetSysColor(COLOR_BTNTEXT));
    RECT text = body;
    UINT format = DT_TOP | DT_SINGLELINE | DT_NOPREFIX;
    if (look.alignment == Alignment::Center) {
        text.left = client.left;
        text.right = client.right;
        format |= DT_CENTER;
    }
    DrawTextW(dc, caption.c_str(), length, &text, format);
    SelectObject(dc, old);
    DeleteObject(font);
}

} // namespace

HFONT createControlFont(const Appearance& look, const TwipScale& scale, int pixelSize) {
    const auto dpi = static_cast<UINT>(scale.dotsPerInch());
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
    LOGFONTW face = metrics.lfMessageFont;
    const double points = look.font ? look.font->points : defaultFontPoints;
    face.lfHeight = -(pixelSize > 0 ? pixelSize : scale.pointsToPixels(points));
    face.lfWidth = 0;
    if (look.font) {
        const std::wstring family = toUtf16(look.font->family);
        const std::size_t room = std::size(face.lfFaceName) - 1;
        std::fill(std::begin(face.lfFaceName), std::end(face.lfFaceName), L'\0');
        family.copy(face.lfFaceName, std::min(room, family.size()));
        face.lfWeight = look.font->weight;
        face.lfItalic = look.font->italic ? TRUE : FALSE;
        face.lfUnderline = look.font->underline ? TRUE : FALSE;
        face.lfStrikeOut = look.font->strikeOut ? TRUE : FALSE;
        face.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS; // a sans-serif face where it is missing
    }
    return CreateFontIndirectW(&face);
}

void paintControl(HDC dc, const RECT& client, const Control& control, const PaintContext& context) {
    switch (control.kind()) {
    case ControlKind::PictureBox:
        paintPictureBox(dc, client, control, context.focused);
        break;
    case ControlKind::Frame:
        paintFrame(dc, client, control, context.defaultFont);
        break;
    case ControlKind::Shape:
        paintShape(dc, client, control);
        break;
    case ControlKind::Label:
        paintLabel(dc, client, control, context);
        break;
    case ControlKind::CommandButton:
    case ControlKind::TextBox:
        break; // the system's own controls
    }
}

} // namespace kelvara
