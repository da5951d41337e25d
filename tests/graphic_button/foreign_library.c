/* A shared library that is not the sprite library: it loads, but has none of
 * the sprite functions. */
int pelloryForeignLibraryVersion(void)
{
    return 1;
}
