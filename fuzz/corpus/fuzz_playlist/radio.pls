[playlist]
NumberOfEntries=2
File1=http://a.example/s
Title1=A
File2=https://b.example/t
Title2=B
Length2=-1
Version=2
