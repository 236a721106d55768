#pragma once

#include <windows.h>

#include <vector>

// What the layout keys would do to a template document: a sheet in arrow-key
// units with pasted copies of one photo. Only the keys the layout types mean anything.
class Sheet {
 public:
  static constexpr int kWidth = 600;
  static constexpr int kHeight = 800;

  struct Photo {
    int centreX;
    int centreY;
    int width;
    int height;
  };

  // A key going down, with the modifier state of that moment.
  void keyDown(UINT vk, bool ctrl, bool alt);

  const std::vector<Photo>& photos() const { return photos_; }
  // The copy the arrows move: the one pasted or duplicated last.
  const Photo* current() const { return photos_.empty() ? nullptr : &photos_.back(); }

 private:
  // Alt+E opens the edit menu, A its transform entry, 9 the quarter turn.
  enum class MenuStep { None, EditMenu, Transform };

  void move(int dx, int dy);
  void turnQuarter();

  std::vector<Photo> photos_;
  MenuStep menu_ = MenuStep::None;
};
