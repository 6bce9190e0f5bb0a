#pragma once

#include <wx/window.h>

#include <functional>
#include <vector>

#include "ui/tile_layout.h"

namespace tablora {

class DocumentFrame;

/// The open documents side by side in one area ("平铺"): each document's body in a pane
/// under a caption bar, with a sash between neighbours. The document windows stay in the
/// tabbed area (hidden meanwhile); their bodies go back to them when a pane is removed.
class TiledDocuments : public wxWindow {
 public:
  /// `activate` is called with the document whose pane the user clicked or focused.
  TiledDocuments(wxWindow* parent, std::function<void(DocumentFrame*)> activate);
  ~TiledDocuments() override;

  /// A pane at the right for `document`; every pane becomes equally wide.
  void Add(DocumentFrame* document);
  /// Gives `document`'s body back and closes its pane.
  void Remove(DocumentFrame* document);
  /// Gives every body back; no pane is left.
  void RemoveAll();
  /// Draws `document`'s caption bar as the active one.
  void ShowActive(const DocumentFrame* document);
  /// Every pane equally wide again.
  void EvenOut();
  /// True when a pane is wider or narrower than an even share (a sash was moved).
  bool Uneven() const { return layout_.Uneven(GetClientSize().x); }
  const std::vector<DocumentFrame*>& documents() const { return documents_; }
  /// The screen rectangle of pane `index` (caption bar and body).
  wxRect PaneScreenRect(int index) const;
  /// The screen rectangle of the sash right of pane `index`.
  wxRect SashScreenRect(int index) const;

  static constexpr int kCaptionHeight = 20;

 private:
  void LayoutPanes();
  int IndexOf(const wxWindow* window) const;
  void OnPaint(wxPaintEvent& event);
  void OnMouse(wxMouseEvent& event);
  void OnChildFocus(wxChildFocusEvent& event);
  void OnDocumentDestroyed(wxWindowDestroyEvent& event);
  /// Forgets pane `index`; `unbind` when its document still stands.
  void Detach(int index, bool unbind);

  std::function<void(DocumentFrame*)> activate_;
  TileLayout layout_;
  std::vector<DocumentFrame*> documents_;
  std::vector<wxWindow*> bodies_;  ///< each document's body, held here while it is borrowed
  std::vector<wxWindow*> captions_;
  const DocumentFrame* active_ = nullptr;
  int draggedSash_ = -1;
  int grabOffset_ = 0;  ///< where in the sash the mouse took it
};

}  // namespace tablora
