// Gives every library an object file of its own while its folder is still being filled.
namespace {
[[maybe_unused]] constexpr int libraryAnchor = 0;
}
