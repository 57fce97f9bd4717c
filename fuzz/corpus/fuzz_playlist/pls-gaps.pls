[Playlist]
File10=http://x/10
Title99=none
File0=http://x/0
File-1=http://x/n
