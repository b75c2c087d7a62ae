// The assets library holds only resources; this file gives it an object of its own.
namespace assets {
int resourceLibraryAnchor() { return 0; }
} // namespace assets
