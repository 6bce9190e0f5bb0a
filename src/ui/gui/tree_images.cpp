#include "ui/gui/tree_images.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>

namespace tablora {

namespace {

enum class Picture { kDatabase, kBook, kTable, kSelectedTable, kFolder, kOpenFolder };

wxBitmap Draw(Picture picture) {
  wxBitmap bitmap(16, 16, 24);
  {
    wxMemoryDC dc(bitmap);
    const wxColour mask(0, 255, 0);
    dc.SetBackground(wxBrush(mask));
    dc.Clear();
    dc.SetPen(wxPen(wxColour(64, 64, 64)));
    switch (picture) {
      case Picture::kDatabase:  // a cylinder
        dc.SetBrush(wxBrush(wxColour(230, 190, 60)));
        dc.DrawRectangle(2, 4, 12, 9);
        dc.DrawEllipse(2, 10, 12, 5);
        dc.DrawEllipse(2, 1, 12, 5);
        break;
      case Picture::kBook:  // a bound book
        dc.SetBrush(wxBrush(wxColour(60, 110, 200)));
        dc.DrawRectangle(3, 1, 11, 14);
        dc.SetPen(wxPen(*wxWHITE));
        dc.DrawLine(5, 2, 5, 14);
        dc.DrawLine(7, 5, 12, 5);
        break;
      case Picture::kTable:
      case Picture::kSelectedTable: {  // a grid with a title row
        const bool selected = picture == Picture::kSelectedTable;
        dc.SetBrush(wxBrush(selected ? wxColour(255, 240, 160) : *wxWHITE));
        dc.DrawRectangle(1, 2, 14, 12);
        dc.SetBrush(wxBrush(selected ? wxColour(200, 60, 40) : wxColour(40, 90, 180)));
        dc.DrawRectangle(1, 2, 14, 4);
        dc.DrawLine(1, 9, 15, 9);
        dc.DrawLine(6, 6, 6, 14);
        break;
      }
      case Picture::kFolder:
      case Picture::kOpenFolder: {
        dc.SetBrush(wxBrush(wxColour(240, 200, 80)));
        dc.DrawRectangle(1, 3, 6, 3);
        dc.DrawRectangle(1, 5, 14, 9);
        if (picture == Picture::kOpenFolder) {
          dc.SetBrush(wxBrush(wxColour(255, 230, 140)));
          const wxPoint flap[] = {{3, 8}, {15, 8}, {13, 14}, {1, 14}};
          dc.DrawPolygon(4, flap);
        }
        break;
      }
    }
    dc.SelectObject(wxNullBitmap);
  }
  return bitmap;
}

wxImageList* List(std::initializer_list<Picture> pictures) {
  auto* list = new wxImageList(16, 16, true, static_cast<int>(pictures.size()));
  for (Picture p : pictures) list->Add(Draw(p), wxColour(0, 255, 0));
  return list;
}

}  // namespace

wxImageList* TreeImages::TableTreeImages() {
  return List({Picture::kDatabase, Picture::kBook, Picture::kTable, Picture::kSelectedTable});
}

wxImageList* TreeImages::GroupTreeImages() {
  return List({Picture::kDatabase, Picture::kBook, Picture::kFolder, Picture::kOpenFolder,
               Picture::kTable, Picture::kSelectedTable});
}

}  // namespace tablora
