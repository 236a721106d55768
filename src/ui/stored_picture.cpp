#include "ui/stored_picture.h"

#include <windows.h>

#include "app/app_error.h"

std::span<const std::uint8_t> storedPicture(const wchar_t* name) {
  // Resources stay mapped for the life of the process; nothing needs freeing.
  const HRSRC resource = FindResourceW(nullptr, name, RT_RCDATA);
  const HGLOBAL loaded = resource ? LoadResource(nullptr, resource) : nullptr;
  if (!loaded) throw AppError(std::wstring(L"The picture ") + name + L" is missing from the program");
  return {static_cast<const std::uint8_t*>(LockResource(loaded)), SizeofResource(nullptr, resource)};
}
