#include "app/gui/tiled_documents.h"

#include <wx/dcbuffer.h>
#include <wx/settings.h>

#include "app/gui/document_frame.h"
#include "base/gui/wx_text.h"

namespace tablora {

namespace {

/// A pane's caption bar: the document's caption, marked while its document is active.
class CaptionBar : public wxWindow {
 public:
  CaptionBar(wxWindow* parent, DocumentFrame* document, std::function<bool()> active)
      : wxWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE),
        document_(document),
        active_(std::move(active)) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
      wxAutoBufferedPaintDC dc(this);
      const bool active = active_();
      // The active document's bar in the selection colours, as the desktop marks a choice.
      dc.SetBackground(wxBrush(
          wxSystemSettings::GetColour(active ? wxSYS_COLOUR_HIGHLIGHT : wxSYS_COLOUR_3DFACE)));
      dc.Clear();
      dc.SetFont(GetFont());
      dc.SetTextForeground(
          wxSystemSettings::GetColour(active ? wxSYS_COLOUR_HIGHLIGHTTEXT : wxSYS_COLOUR_BTNTEXT));
      const wxString text = to_wx(document_->caption());
      dc.DrawText(text, 6, (GetClientSize().y - dc.GetTextExtent(text).y) / 2);
    });
  }

 private:
  DocumentFrame* document_;
  std::function<bool()> active_;
};

}  // namespace

TiledDocuments::TiledDocuments(wxWindow* parent, std::function<void(DocumentFrame*)> activate)
    : wxWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE),
      activate_(std::move(activate)) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &TiledDocuments::OnPaint, this);
  Bind(wxEVT_SIZE, [this](wxSizeEvent&) { LayoutPanes(); });
  Bind(wxEVT_LEFT_DOWN, &TiledDocuments::OnMouse, this);
  Bind(wxEVT_LEFT_UP, &TiledDocuments::OnMouse, this);
  Bind(wxEVT_MOTION, &TiledDocuments::OnMouse, this);
  Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) { draggedSash_ = -1; });
  Bind(wxEVT_CHILD_FOCUS, &TiledDocuments::OnChildFocus, this);
}

TiledDocuments::~TiledDocuments() { RemoveAll(); }

void TiledDocuments::Add(DocumentFrame* document) {
  if (IndexOf(document) >= 0) return;
  documents_.push_back(document);
  bodies_.push_back(document->body());
  captions_.push_back(
      new CaptionBar(this, document, [this, document] { return active_ == document; }));
  captions_.back()->Bind(wxEVT_LEFT_DOWN, [this, document](wxMouseEvent& event) {
    activate_(document);
    event.Skip();
  });
  document->Bind(wxEVT_DESTROY, &TiledDocuments::OnDocumentDestroyed, this);
  document->body()->Reparent(this);
  document->body()->Show();
  layout_.Add();
  LayoutPanes();
}

void TiledDocuments::Detach(int index, bool unbind) {
  if (unbind) documents_[index]->Unbind(wxEVT_DESTROY, &TiledDocuments::OnDocumentDestroyed, this);
  captions_[index]->Destroy();
  documents_.erase(documents_.begin() + index);
  bodies_.erase(bodies_.begin() + index);
  captions_.erase(captions_.begin() + index);
  layout_.Remove(index);
}

void TiledDocuments::Remove(DocumentFrame* document) {
  const int index = IndexOf(document);
  if (index < 0) return;
  if (active_ == document) active_ = nullptr;
  Detach(index, true);
  document->TakeBackBody();
  LayoutPanes();
}

void TiledDocuments::RemoveAll() {
  while (!documents_.empty()) Remove(documents_.back());
}

void TiledDocuments::OnDocumentDestroyed(wxWindowDestroyEvent& event) {
  event.Skip();
  // Only the document itself (the event also rises from the windows inside it), which is
  // being taken apart: compared by address, not asked anything.
  for (std::size_t i = 0; i < documents_.size(); ++i) {
    if (static_cast<wxObject*>(documents_[i]) != event.GetEventObject()) continue;
    wxWindow* body = bodies_[i];
    if (active_ == documents_[i]) active_ = nullptr;
    Detach(static_cast<int>(i), false);
    body->Destroy();  // it stands here, not in the document
    LayoutPanes();
    return;
  }
}

void TiledDocuments::ShowActive(const DocumentFrame* document) {
  if (active_ == document) return;
  active_ = document;
  for (wxWindow* caption : captions_) caption->Refresh();
}

void TiledDocuments::EvenOut() {
  layout_.EvenOut();
  LayoutPanes();
}

int TiledDocuments::IndexOf(const wxWindow* window) const {
  for (std::size_t i = 0; i < documents_.size(); ++i) {
    if (documents_[i] == window || bodies_[i] == window) return static_cast<int>(i);
  }
  return -1;
}

void TiledDocuments::LayoutPanes() {
  const wxSize size = GetClientSize();
  const std::vector<PixelRect> panes = layout_.Panes(size.x, size.y);
  for (std::size_t i = 0; i < panes.size(); ++i) {
    const PixelRect& pane = panes[i];
    const int caption = std::min(kCaptionHeight, pane.height);
    captions_[i]->SetSize(pane.x, 0, pane.width, caption);
    bodies_[i]->SetSize(pane.x, caption, pane.width, pane.height - caption);
    captions_[i]->Show(pane.width > 0);
    bodies_[i]->Show(pane.width > 0);
  }
  Refresh();
}

wxRect TiledDocuments::PaneScreenRect(int index) const {
  const wxSize size = GetClientSize();
  const PixelRect pane = layout_.Panes(size.x, size.y).at(index);
  return wxRect(ClientToScreen(wxPoint(pane.x, 0)), wxSize(pane.width, pane.height));
}

wxRect TiledDocuments::SashScreenRect(int index) const {
  const wxRect pane = PaneScreenRect(index);
  return wxRect(pane.GetRight() + 1, pane.y, TileLayout::kSashWidth, pane.height);
}

void TiledDocuments::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  dc.SetBackground(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_3DFACE)));
  dc.Clear();
  // Each sash is raised: light on its left, shadow on its right.
  const wxSize size = GetClientSize();
  const std::vector<PixelRect> panes = layout_.Panes(size.x, size.y);
  for (std::size_t i = 0; i + 1 < panes.size(); ++i) {
    const int left = panes[i].right();
    dc.SetPen(wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_3DHIGHLIGHT)));
    dc.DrawLine(left, 0, left, size.y);
    dc.SetPen(wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_3DSHADOW)));
    dc.DrawLine(left + TileLayout::kSashWidth - 1, 0, left + TileLayout::kSashWidth - 1, size.y);
  }
}

void TiledDocuments::OnMouse(wxMouseEvent& event) {
  const int width = GetClientSize().x;
  const int x = event.GetX();
  if (event.LeftDown()) {
    draggedSash_ = layout_.SashAt(x, width);
    if (draggedSash_ >= 0) {
      grabOffset_ = x - layout_.Panes(width, 1)[draggedSash_].right();
      CaptureMouse();
    }
  } else if (event.LeftUp() && draggedSash_ >= 0) {
    draggedSash_ = -1;
    if (HasCapture()) ReleaseMouse();
  } else if (event.Dragging() && draggedSash_ >= 0) {
    layout_.DragSash(draggedSash_, x - grabOffset_, width);
    LayoutPanes();
    Update();
  }
  const bool overSash = draggedSash_ >= 0 || layout_.SashAt(x, width) >= 0;
  SetCursor(overSash ? wxCursor(wxCURSOR_SIZEWE) : wxNullCursor);
}

void TiledDocuments::OnChildFocus(wxChildFocusEvent& event) {
  event.Skip();
  // The window that took the focus may lie deep inside a body.
  wxWindow* window = event.GetWindow();
  while (window != nullptr && window->GetParent() != this) window = window->GetParent();
  const int index = IndexOf(window);
  if (index >= 0 && documents_[index] != active_) activate_(documents_[index]);
}

}  // namespace tablora
