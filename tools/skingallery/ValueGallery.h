// The gallery's value window: a snapping and a free horizontal slider, a
// vertical slider, a fill bar, a step-form and a table-form value box, a
// numeric edit field, and a skin list with in-place editing beside a skinned
// scroll bar. Labels show the last value each control reported.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "skin/win32/BitmapEdit.h"
#include "skin/win32/GdiOwners.h"
#include "skin/win32/SkinFillBar.h"
#include "skin/win32/SkinList.h"
#include "skin/win32/SkinScrollBar.h"
#include "skin/win32/SkinSlider.h"
#include "skin/win32/SkinValueBox.h"
#include "skin/win32/SkinnedWindow.h"
#include "tools/skingallery/GalleryNames.h"

class ValueGallery : public SkinnedWindow {
public:
    bool Create();

    SkinSlider* SpeedSlider() const { return m_speed; }
    SkinSlider* FineSlider() const { return m_fine; }
    SkinSlider* VerticalSlider() const { return m_vertical; }
    SkinFillBar* FillBar() const { return m_fill; }
    SkinValueBox* StepBox() const { return m_stepBox; }
    SkinValueBox* TableBox() const { return m_tableBox; }
    BitmapEdit* NumericField() const { return m_numeric; }
    SkinList* List() const { return m_list; }
    SkinScrollBar* ScrollBar() const { return m_scroll; }
    SkinButton* Button(int key) const;

    // The last value reported by the control with this identifier (-1: none).
    int Reported(UINT identifier) const;
    int RenamedRow() const { return m_renamedRow; }

protected:
    std::string SkinFileName() const override { return gallery::kValueSkinFile; }
    void CreateControls(WindowSkin& skin) override;
    void PaintOverlay(HDC dc) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    SkinSlider* AddSlider(WindowSkin& skin, int key, UINT identifier, const char* thumb, SliderOrientation orientation,
                          int minimum, int maximum, bool snap, int value);
    SkinValueBox* AddValueBox(WindowSkin& skin, int key, UINT identifier);
    void AddList(WindowSkin& skin);
    void DressScrollBar();
    LRESULT OnValue(UINT identifier, int value, int labelKey);
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnVerticalScroll(WPARAM wParam);
    void SyncScrollBar();
    void RedrawArea(int key);

    SkinSlider* m_speed = nullptr;
    SkinSlider* m_fine = nullptr;
    SkinSlider* m_vertical = nullptr;
    SkinFillBar* m_fill = nullptr;
    SkinValueBox* m_stepBox = nullptr;
    SkinValueBox* m_tableBox = nullptr;
    BitmapEdit* m_numeric = nullptr;
    SkinList* m_list = nullptr;
    SkinScrollBar* m_scroll = nullptr;
    SkinButton* m_close = nullptr;
    SkinButton* m_newRow = nullptr;
    SkinButton* m_rename = nullptr;
    std::array<RECT, 20> m_areas{};
    std::array<int, 8> m_reported{};
    int m_renamedRow = -1;
    Font m_labelFont;
};
